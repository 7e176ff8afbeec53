// The start-up dialog and the wizard sequence it runs.
#pragma once

#include "platform/win32.h"

INT_PTR CALLBACK MainDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
