// Message boxes that more than one page shows.
#pragma once

#include "platform/win32.h"

// Asks whether to leave the setup; Yes ends the process with exit code 0.
void ConfirmExit(HWND owner);
// Tells the user that nothing is ticked; the page stays open.
void WarnNothingSelected(HWND owner);
