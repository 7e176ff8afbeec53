// A window of the model as text: its kind, caption, rectangle and controls.
// The headless display prints it when asked to show its windows.
#pragma once

#include <string>

#include "platform/ui/window_system.h"

namespace platform::display {

std::string DescribeWindow(const ui::WindowSystem& windows, const ui::Window& window);

}  // namespace platform::display
