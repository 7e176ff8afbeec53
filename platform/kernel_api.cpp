// KERNEL32 functions that belong to no other area of the layer.
#include "platform/ui/window_system.h"

void WINAPI Sleep(DWORD milliseconds) { platform::ui::Windows().display().sleep(milliseconds); }
