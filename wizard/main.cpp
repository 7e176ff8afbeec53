#include "wizard/setup_state.h"
#include "wizard/wizard.h"

// The command line is not read: the setup takes no arguments.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  setupState.instance = instance;
  return int(DialogBoxParamA(instance, "MainDlg", nullptr, MainDlgProc, 0));
}
