#include "search/disk_search.h"

#include "resources/control_ids.h"
#include "wizard/setup_state.h"

namespace {

constexpr UINT_PTR kSearchTimer = 1;
constexpr UINT kSearchDelay = 50;  // ms: the dialog is on the screen before the search starts

const char* TargetOf(BrowserKind browser) {
  return browser == BrowserNetscape ? "netscape.exe" : "iexplore.exe";
}

const char* HeadingOf(BrowserKind browser) {
  return browser == BrowserNetscape ? "Searching Fixed disk/disks for Netscape Naviagtor..."
                                    : "Searching Fixed disk/disks for Internet Explorer...";
}

// Formats into a path buffer; false when the result would not fit.
bool FormatPath(char* path, const char* format, const char* a, const char* b = "") {
  int length = snprintf(path, kPathSize, format, a, b);
  return length >= 0 && length < kPathSize;
}

void RecordMatch(const char* directory) {
  setupState.browserFound = 1;
  if (setupState.foundCount >= kMaxFoundFolders) return;  // later matches are not kept
  snprintf(setupState.foundFolders.entries[setupState.foundCount], kPathSize, "%s", directory);
  ++setupState.foundCount;
}

bool IsDirectory(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A subdirectory is searched as soon as its entry is met; one that cannot be
// listed is passed over and makes the whole result 0. Links are not followed.
int ExamineEntry(const char* directory, const WIN32_FIND_DATAA& entry, const char* name,
                 HWND dialog, int statusId) {
  if (IsDirectory(entry)) {
    if (entry.cFileName[0] == '.' || (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      return 1;
    }
    char subdirectory[kPathSize];
    if (!FormatPath(subdirectory, "%s\\%s", directory, entry.cFileName)) return 0;
    return SearchDirectory(subdirectory, name, dialog, statusId);
  }
  if (_stricmp(entry.cFileName, name) == 0) RecordMatch(directory);
  return 1;
}

}  // namespace

// The walk is depth first in the order the file system lists the entries:
// a subdirectory's whole subtree comes before the entries after it. Afterwards
// the current directory is the parent of the directory (for a drive's start
// directory, the root of the drive).
int SearchDirectory(const char* directory, const char* name, HWND dialog, int statusId) {
  char pattern[kPathSize];
  char parent[kPathSize];
  if (!FormatPath(pattern, "%s\\*", directory) || !FormatPath(parent, "%s\\..", directory)) {
    return 0;  // too long a path to search: the walk goes on without it
  }
  WIN32_FIND_DATAA entry;
  HANDLE listing = FindFirstFileA(pattern, &entry);
  if (listing == INVALID_HANDLE_VALUE) return 0;
  int complete = 1;
  do {
    SetDlgItemTextA(dialog, statusId, directory);
    if (ExamineEntry(directory, entry, name, dialog, statusId) == 0) complete = 0;
  } while (FindNextFileA(listing, &entry));
  FindClose(listing);
  _chdir(parent);
  return complete;
}

void SearchFixedDisks(HWND dialog, int statusId) {
  snprintf(setupState.targetExe, sizeof setupState.targetExe, "%s",
           TargetOf(setupState.currentBrowser));
  setupState.browserFound = 0;
  setupState.foundCount = 0;
  for (const char* letter = "abcdefghijklmnopqrstuvwxyz"; *letter; ++letter) {
    char root[4], start[3];
    snprintf(root, sizeof root, "%c:\\", *letter);
    snprintf(start, sizeof start, "%c:", *letter);
    if (GetDriveTypeA(root) == DRIVE_FIXED) {
      SearchDirectory(start, setupState.targetExe, dialog, statusId);
    }
  }
}

INT_PTR CALLBACK SearchingDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextA(dialog, IDC_SEARCH_HEADING, HeadingOf(setupState.currentBrowser));
      SetTimer(dialog, kSearchTimer, kSearchDelay, nullptr);
      return TRUE;
    case WM_TIMER:
      KillTimer(dialog, kSearchTimer);
      SearchFixedDisks(dialog, IDC_SEARCH_STATUS);
      EndDialog(dialog, 1);
      return FALSE;
    default:
      return FALSE;
  }
}
