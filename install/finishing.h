// The finishing steps after the install plan, and the readme viewer.
#pragma once

#include "install/install_plan.h"

// Opens and closes the Fonts folder, reports how the installation went, shows
// the readme and ends the process: exit code 1 when everything was installed,
// 2 when something could not be.
[[noreturn]] void FinishInstallation(HWND window, const InstallOutcome& outcome);
// The readme viewer: the readme's first 100000 bytes; only OK ends it.
INT_PTR CALLBACK InfoHelpDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
