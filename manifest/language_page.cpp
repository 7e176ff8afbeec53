// The language page, until the manifest can be read: the title with OK and
// Cancel. OK goes on with the wizard; Cancel asks whether to leave the setup.
#include "manifest/language_page.h"

#include "resources/control_ids.h"
#include "wizard/prompts.h"
#include "wizard/setup_state.h"

namespace {

void CreateButton(HWND window, const char* text, DWORD style, int x, int id) {
  CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, 211, 55, 27,
                  window, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), setupState.instance,
                  nullptr);
}

BOOL OnInitDialog(HWND window) {
  CreateWindowExA(0, "STATIC", "Select Languages to Install !", WS_CHILD | WS_VISIBLE | SS_CENTER,
                  5, 3, 227, 16, window, nullptr, setupState.instance, nullptr);
  CreateButton(window, "&Ok", BS_DEFPUSHBUTTON, 55, IDC_LANGS_OK);
  CreateButton(window, "&Cancel", BS_PUSHBUTTON, 130, IDC_LANGS_CANCEL);
  return TRUE;
}

}  // namespace

INT_PTR CALLBACK SelectLangsDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(window);
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_LANGS_OK) {
        EndDialog(window, IDC_LANGS_OK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_LANGS_CANCEL) {
        ConfirmExit(window);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
