#pragma once

#include "platform/win32.h"

// The installation page: the install plan runs on its first timer tick.
INT_PTR CALLBACK InstallFilesDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
