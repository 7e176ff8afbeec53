// The one record through which every page of the wizard communicates.
#pragma once

#include "platform/win32.h"

// Which browser a step works for.
enum BrowserKind : int {
  BrowserNone = 0,  // only until the driver first sets currentBrowser
  BrowserInternetExplorer = 1,
  BrowserNetscape = 2,
};

constexpr int kPathSize = 260;  // a path holds at most 259 characters
constexpr int kMaxFoundFolders = 63;
constexpr int kMaxLanguages = 165;

// The folders in which the last search found the browser's executable, in
// the order found; the first foundCount entries are valid.
struct FoundFolderList {
  char entries[kMaxFoundFolders][512];
};

struct SetupState {
  HINSTANCE instance;
  int installIE;
  int installNetscape;
  int browsersToInstall;
  BrowserKind currentBrowser;
  char iePluginDir[kPathSize];
  char netscapePluginDir[kPathSize];
  FoundFolderList foundFolders;
  int foundCount;
  int browserFound;
  char targetExe[13];
  int languageSelected[kMaxLanguages];
  char dataDir[kPathSize];
  char readmePath[kPathSize];
};

// Every field starts at zero except installIE, which starts at 1.
extern SetupState setupState;
