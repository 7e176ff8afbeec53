#include "wizard/browser_page.h"

#include "resources/control_ids.h"
#include "wizard/prompts.h"
#include "wizard/setup_state.h"

namespace {

BOOL OnOk(HWND window) {
  if (setupState.installIE || setupState.installNetscape) {
    EndDialog(window, IDC_BROWSER_OK);
    return TRUE;
  }
  WarnNothingSelected(window);
  return FALSE;
}

// The box has already turned its own mark over; setting it from the flag
// keeps box and flag equal.
BOOL OnToggle(HWND window, int id, int& flag) {
  flag = flag ? 0 : 1;
  CheckDlgButton(window, id, flag);
  return FALSE;
}

BOOL OnCommand(HWND window, int id) {
  switch (id) {
    case IDC_BROWSER_OK:
      return OnOk(window);
    case IDC_BROWSER_CANCEL:
      ConfirmExit(window);
      return TRUE;
    case IDC_BROWSER_IE:
      return OnToggle(window, id, setupState.installIE);
    case IDC_BROWSER_NETSCAPE:
      return OnToggle(window, id, setupState.installNetscape);
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK SelectBrowseDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CheckDlgButton(window, IDC_BROWSER_IE, BST_CHECKED);
      return TRUE;
    case WM_COMMAND:
      return OnCommand(window, LOWORD(wParam));
    default:
      return FALSE;
  }
}
