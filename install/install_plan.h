// The installation page and the install plan it carries out.
#pragma once

#include "manifest/setup_medium.h"
#include "platform/win32.h"

constexpr int kMaxReportedFailures = 15;

// What the plan leaves for the finishing steps.
struct InstallOutcome {
  bool mediumFound;
  char windowsDir[kPathSize + 1];  // the Windows directory, base of Fonts and the program group
  int failureCount;                // copies and folders that could not be made
  char failures[kMaxReportedFailures][kPathSize];  // the first ones' destinations
};

// The installation page: the plan and the finishing run on its first timer tick.
INT_PTR CALLBACK InstallFilesDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Creates the folders and copies every file the manifest prescribes for the
// chosen languages and browsers, in a fixed order, and records the installed
// languages. Without the setup medium it does nothing.
void InstallPlan(HWND window, InstallOutcome* outcome);
// Copies a file named in the manifest from the setup medium, overwriting.
bool CopyFromMedium(const SetupMedium& medium, const char* sourceName, const char* destination);
