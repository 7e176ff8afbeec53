// The plug-in folder chooser, until the disk search is built: the heading of
// the current browser, and the destination typed by the user. OK keeps it as
// the browser's plug-in folder; Cancel drops the browser.
#include "search/folder_chooser.h"

#include "resources/control_ids.h"
#include "wizard/setup_state.h"

namespace {

bool ForIE() { return setupState.currentBrowser == BrowserInternetExplorer; }

int& CurrentFlag() { return ForIE() ? setupState.installIE : setupState.installNetscape; }

char* CurrentPluginDir() { return ForIE() ? setupState.iePluginDir : setupState.netscapePluginDir; }

BOOL OnInitDialog(HWND window) {
  SetDlgItemTextA(
      window, IDC_CHOOSER_HEADING,
      ForIE() ? "Internet Explorer Available Folders" : "Netscape Communicator Available Folders");
  return TRUE;
}

BOOL OnCommand(HWND window, int id) {
  switch (id) {
    case IDC_CHOOSER_OK:
      GetDlgItemTextA(window, IDC_CHOOSER_DESTINATION, CurrentPluginDir(), kPathSize);
      CurrentFlag() = 1;
      EndDialog(window, IDC_CHOOSER_OK);
      return TRUE;
    case IDC_CHOOSER_CANCEL:
      CurrentFlag() = 0;
      EndDialog(window, IDC_CHOOSER_CANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK SearchCommonDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(window);
    case WM_COMMAND:
      return OnCommand(window, LOWORD(wParam));
    default:
      return FALSE;
  }
}
