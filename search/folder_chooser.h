#pragma once

#include "platform/win32.h"

// The plug-in folder chooser of the current browser.
INT_PTR CALLBACK SearchCommonDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
