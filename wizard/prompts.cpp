#include "wizard/prompts.h"

#include "wizard/exit_codes.h"

void ConfirmExit(HWND owner) {
  if (MessageBoxA(owner, "Do you want to Exit from Setup?", "Are you sure?",
                  MB_YESNO | MB_ICONQUESTION) == IDYES) {
    exit(kExitCancelled);
  }
}

void WarnNothingSelected(HWND owner) {
  MessageBoxA(owner, "Select atleast one option to install plugin or Use Cancel to Exit!",
              "Just a moment please...", MB_OK | MB_ICONQUESTION);
}
