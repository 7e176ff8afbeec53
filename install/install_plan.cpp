// The installation page, until the install plan is built: it starts its
// one-shot timer and, on the first tick, ends the run as a finished
// installation does.
#include "install/install_plan.h"

#include "wizard/exit_codes.h"

namespace {

constexpr UINT_PTR kPlanTimer = 1;
constexpr UINT kPlanDelay = 50;  // ms: the page is on the screen before the work starts

}  // namespace

INT_PTR CALLBACK InstallFilesDlgProc(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetTimer(window, kPlanTimer, kPlanDelay, nullptr);
      return TRUE;
    case WM_TIMER:
      KillTimer(window, kPlanTimer);
      exit(kExitInstalled);
    default:
      return FALSE;
  }
}
