// The search of every fixed disk for the current browser's executable, with
// its progress dialog.
#pragma once

#include "platform/win32.h"

// The progress dialog: the search runs on its first timer tick.
INT_PTR CALLBACK SearchingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Searches drives a: to z:, fixed disks only, and records where the
// executable was found.
void SearchFixedDisks(HWND dialog, int statusId);
// Searches a directory and its whole subtree; 1 when every listing in it
// could be read, 0 otherwise.
int SearchDirectory(const char* directory, const char* name, HWND dialog, int statusId);
