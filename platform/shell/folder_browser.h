// The modal "Browse for Folder" dialog over the virtual drives: drives, then
// their folders; only an existing folder can be chosen.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/window_system.h"

namespace platform::shell {

// The chosen folder's full path ("C:\Netscape\Plugins"), or nothing when the
// user cancelled.
std::optional<std::string> BrowseForFolder(ui::WindowSystem& windows, HWND owner,
                                           const std::string& title);

}  // namespace platform::shell
