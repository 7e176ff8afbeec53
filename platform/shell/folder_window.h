// The shell's folder window, as "explorer.exe FOLDER" opens it: a top-level
// window titled with the folder's last component that lists its files.
#pragma once

#include <string>

#include "platform/ui/window_system.h"

namespace platform::shell {

// Opens the window; false, with no window, when the folder does not exist.
bool OpenFolderWindow(ui::WindowSystem& windows, const std::string& folder);

}  // namespace platform::shell
