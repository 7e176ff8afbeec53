#include "wizard/wizard.h"

#include "install/install_plan.h"
#include "manifest/language_page.h"
#include "search/folder_chooser.h"
#include "wizard/browser_page.h"
#include "wizard/exit_codes.h"
#include "wizard/setup_state.h"

namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartDelay = 10;  // ms: the dialog's own loop runs before the first page
constexpr INT_PTR kChooserCancelled = 11;
constexpr INT_PTR kBrowserPageDone = 10;

// The chooser of one browser; only a cancelled chooser drops the browser.
void ChooseFolder(HWND mainDialog, BrowserKind browser, int& flag) {
  ++setupState.browsersToInstall;
  setupState.currentBrowser = browser;
  if (DialogBoxParamA(setupState.instance, "SearchCommon", mainDialog, SearchCommonDlgProc, 0) ==
      kChooserCancelled) {
    flag = 0;
    --setupState.browsersToInstall;
  }
}

// The pages in their fixed order, each owned by the start-up dialog. The
// process ends inside them; the sequence returns only where it stops.
void RunWizard(HWND mainDialog) {
  KillTimer(mainDialog, kStartTimer);
  DialogBoxParamA(setupState.instance, "SelectLangs", mainDialog, SelectLangsDlgProc, 0);
  if (DialogBoxParamA(setupState.instance, "SelectBrowse", mainDialog, SelectBrowseDlgProc, 0) !=
      kBrowserPageDone) {
    return;
  }
  if (setupState.installIE) ChooseFolder(mainDialog, BrowserInternetExplorer, setupState.installIE);
  if (setupState.installNetscape) {
    ChooseFolder(mainDialog, BrowserNetscape, setupState.installNetscape);
  }
  if (setupState.browsersToInstall < 1) {
    MessageBoxA(mainDialog,
                "Now exiting from setup. At any convenient time you can use setup to Install",
                "Ok...", MB_OK | MB_ICONINFORMATION);
    exit(kExitNothingToInstall);
  }
  DialogBoxParamA(setupState.instance, "InstallFiles", mainDialog, InstallFilesDlgProc, 0);
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetTimer(window, kStartTimer, kStartDelay, nullptr);
      return TRUE;
    case WM_TIMER:
      RunWizard(window);
      return TRUE;
    default:
      return FALSE;
  }
}
