#include "search/folder_chooser.h"

#include "resources/control_ids.h"
#include "search/disk_search.h"
#include "wizard/setup_state.h"

namespace {

bool ForIE() { return setupState.currentBrowser == BrowserInternetExplorer; }

int& CurrentFlag() { return ForIE() ? setupState.installIE : setupState.installNetscape; }

char* CurrentPluginDir() { return ForIE() ? setupState.iePluginDir : setupState.netscapePluginDir; }

// Control 4 gets the list item followed by "\Plugins".
void ProposeItem(HWND chooser, int index) {
  char folder[kPathSize];
  if (SendDlgItemMessageA(chooser, IDC_CHOOSER_LIST, LB_GETTEXTLEN, WPARAM(index), 0) >=
      LRESULT(kPathSize)) {
    return;
  }
  if (SendDlgItemMessageA(chooser, IDC_CHOOSER_LIST, LB_GETTEXT, WPARAM(index),
                          reinterpret_cast<LPARAM>(folder)) == LB_ERR) {
    return;
  }
  char proposal[kPathSize + sizeof "\\Plugins"];  // may exceed a path: OK cuts it
  snprintf(proposal, sizeof proposal, "%s\\Plugins", folder);
  SetDlgItemTextA(chooser, IDC_CHOOSER_DESTINATION, proposal);
}

BOOL OnInitDialog(HWND chooser) {
  DialogBoxParamA(setupState.instance, "Searching", chooser, SearchingDlgProc, 0);
  SetDlgItemTextA(
      chooser, IDC_CHOOSER_HEADING,
      ForIE() ? "Internet Explorer Available Folders" : "Netscape Communicator Available Folders");
  for (int i = 0; i < setupState.foundCount; ++i) {
    SendDlgItemMessageA(chooser, IDC_CHOOSER_LIST, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(setupState.foundFolders.entries[i]));
  }
  SendDlgItemMessageA(chooser, IDC_CHOOSER_LIST, LB_SETCURSEL, 0, 0);
  if (!setupState.browserFound) {
    MessageBoxA(chooser,
                ForIE() ? "There is no Internet Explorer in your system"
                        : "There is no Netscape Navigator in your system",
                "Info!", MB_OK | MB_ICONINFORMATION);
    return TRUE;
  }
  ProposeItem(chooser, 0);
  return TRUE;
}

// The browser starts from the desktop; the chosen folder itself becomes the
// destination. Cancelled, nothing changes.
void BrowseForFolder(HWND chooser) {
  char displayName[MAX_PATH];
  BROWSEINFOA info = {};
  info.hwndOwner = chooser;
  info.pszDisplayName = displayName;
  info.lpszTitle = "Select Plugin Folder!";
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (!chosen) return;
  char path[MAX_PATH];
  if (SHGetPathFromIDListA(chosen, path)) SetDlgItemTextA(chooser, IDC_CHOOSER_DESTINATION, path);
  CoTaskMemFree(chosen);
}

BOOL OnCommand(HWND chooser, int id, int code) {
  switch (id) {
    case IDC_CHOOSER_LIST:
      if (code == LBN_SELCHANGE) {
        ProposeItem(chooser,
                    int(SendDlgItemMessageA(chooser, IDC_CHOOSER_LIST, LB_GETCURSEL, 0, 0)));
      }
      return FALSE;
    case IDC_CHOOSER_BROWSE:
      BrowseForFolder(chooser);
      return FALSE;
    case IDC_CHOOSER_OK:
      GetDlgItemTextA(chooser, IDC_CHOOSER_DESTINATION, CurrentPluginDir(), kPathSize);
      CurrentFlag() = 1;
      EndDialog(chooser, IDC_CHOOSER_OK);
      return TRUE;
    case IDC_CHOOSER_CANCEL:
      CurrentFlag() = 0;
      EndDialog(chooser, IDC_CHOOSER_CANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK SearchCommonDlgProc(HWND chooser, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(chooser);
    case WM_COMMAND:
      return OnCommand(chooser, LOWORD(wParam), HIWORD(wParam));
    default:
      return FALSE;
  }
}
