#pragma once

#include <string>

#include "platform/ui/window_system.h"

namespace platform::ui {

// The identifier of a message box's text.
constexpr int kMessageTextId = 0xFFFF;

int ShowMessageBox(WindowSystem& system, HWND owner, const std::string& text,
                   const std::string& caption, UINT type);
// The words the transcript and scripts use for a message box's icon and buttons.
const char* IconName(MessageBoxIcon icon);
const char* ButtonsName(UINT buttons);

}  // namespace platform::ui
