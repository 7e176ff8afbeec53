// The Win32 functions under test: the layer's on Linux, the system's own on
// Windows. The same tests run against both.
#pragma once

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include "platform/win32.h"
#endif
