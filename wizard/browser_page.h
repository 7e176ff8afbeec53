#pragma once

#include "platform/win32.h"

// The browser page: Internet Explorer, Netscape Navigator or both.
INT_PTR CALLBACK SelectBrowseDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
