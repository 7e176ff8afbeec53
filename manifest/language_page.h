#pragma once

#include "platform/win32.h"

// The language page: one check box per manifest language.
INT_PTR CALLBACK SelectLangsDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
