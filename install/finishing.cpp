#include "install/finishing.h"

#include "resources/control_ids.h"
#include "wizard/exit_codes.h"
#include "wizard/setup_state.h"

namespace {

constexpr DWORD kReadmeLimit = 100000;
constexpr DWORD kFontsWindowPoll = 100;   // ms between two looks for the Fonts window
constexpr int kFontsWindowLooks = 50;     // 5 seconds at most
constexpr DWORD kFontsWindowShown = 200;  // ms the Fonts window stays open

// The shell's Fonts folder comes up, is given the focus a moment, and is closed.
void ShowFontsFolder(HWND window, const char* windowsDir) {
  char fonts[kPathSize + 8];
  snprintf(fonts, sizeof fonts, "%s\\Fonts", windowsDir);
  ShellExecuteA(window, nullptr, "explorer.exe", fonts, nullptr, SW_SHOWNORMAL);
  HWND fontsWindow = nullptr;
  for (int look = 0; look < kFontsWindowLooks; ++look) {
    fontsWindow = FindWindowExA(nullptr, nullptr, nullptr, "Fonts");
    if (fontsWindow) break;
    Sleep(kFontsWindowPoll);
  }
  if (!fontsWindow) return;
  SetFocus(fontsWindow);
  UpdateWindow(fontsWindow);
  Sleep(kFontsWindowShown);
  PostMessageA(fontsWindow, WM_CLOSE, 0, 0);
  SetFocus(window);
}

// The destinations that could not be made, one a line, the first fifteen.
void ReportFailures(HWND window, const InstallOutcome& outcome) {
  static char text[64 + kMaxReportedFailures * (kPathSize + 1) + 32];
  int length =
      snprintf(text, sizeof text, "Installation finished, but some files could not be installed:");
  int listed =
      outcome.failureCount < kMaxReportedFailures ? outcome.failureCount : kMaxReportedFailures;
  for (int i = 0; i < listed; ++i) {
    length += snprintf(text + length, sizeof text - size_t(length), "\n%s", outcome.failures[i]);
  }
  if (outcome.failureCount > listed) {
    snprintf(text + length, sizeof text - size_t(length), "\n... and %d more",
             outcome.failureCount - listed);
  }
  MessageBoxA(window, text, "Welcome!", MB_OK | MB_ICONEXCLAMATION);
}

BOOL OnInitDialog(HWND window) {
  static char text[kReadmeLimit + 1];
  SetDlgItemTextA(window, IDC_README_TEXT, "");
  HANDLE readme = CreateFileA(setupState.readmePath, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD read = 0;
  if (readme != INVALID_HANDLE_VALUE && !ReadFile(readme, text, kReadmeLimit, &read, nullptr)) {
    read = 0;
  }
  // The text ends at the bytes read, or at a zero byte among them.
  text[read] = '\0';
  SetDlgItemTextA(window, IDC_README_TEXT, text);
  SendDlgItemMessageA(window, IDC_README_TEXT, EM_SETSEL, 0, 1);
  if (readme != INVALID_HANDLE_VALUE) CloseHandle(readme);
  SendDlgItemMessageA(window, IDC_README_TEXT, EM_SETSEL, 0, 0);
  SetFocus(GetDlgItem(window, IDC_README_OK));
  return TRUE;
}

}  // namespace

void FinishInstallation(HWND window, const InstallOutcome& outcome) {
  if (!outcome.mediumFound) {
    MessageBoxA(window, "The setup files could not be found. Nothing was installed.", "Welcome!",
                MB_OK | MB_ICONEXCLAMATION);
    exit(kExitIncomplete);
  }
  ShowFontsFolder(window, outcome.windowsDir);
  if (outcome.failureCount > 0) {
    ReportFailures(window, outcome);
  } else {
    MessageBoxA(window,
                "Installation Completed!\nReadME file will be displayed now and we suggest you "
                "to read completely for Info. on how to use....",
                "Welcome!", MB_OK | MB_ICONEXCLAMATION);
  }
  DialogBoxParamA(setupState.instance, "InfoHelp", nullptr, InfoHelpDlgProc, 0);
  exit(outcome.failureCount > 0 ? kExitIncomplete : kExitInstalled);
}

INT_PTR CALLBACK InfoHelpDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(window);
    case WM_COMMAND:
      if (LOWORD(wParam) != IDC_README_OK) return FALSE;
      EndDialog(window, IDC_README_OK);
      return TRUE;
    default:
      return FALSE;
  }
}
