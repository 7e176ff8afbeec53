#include "platform/shell/folder_window.h"

#include <algorithm>

#include "platform/automation/transcript.h"
#include "platform/fs/file_system.h"
#include "platform/runtime.h"

namespace platform::shell {
namespace {

constexpr int kListId = 1;

std::string LastComponent(const fs::VirtualPath& path) {
  return path.isRoot() ? path.text() : path.components.back();
}

std::vector<std::string> FilesIn(const fs::Resolved& folder) {
  std::vector<fs::ListedEntry> entries;
  std::vector<std::string> names;
  if (!fs::ListHostDirectory(fs::Files().driveRoot(folder.path.drive)->path(), folder.host,
                             folder.path.isRoot(), "*", entries)) {
    return names;
  }
  for (const fs::ListedEntry& entry : entries) {
    if (entry.name != "." && entry.name != "..") names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return _stricmp(a.c_str(), b.c_str()) < 0;
  });
  return names;
}

// Closing the window is what the transcript records of it.
bool FolderWindowProcedure(ui::Window& window, UINT message, WPARAM, LPARAM) {
  if (message != WM_CLOSE) return false;
  Transcribe("window-close " + automation::Transcript::quote(window.text));
  ui::Windows().destroy(window.handle());
  return true;
}

}  // namespace

bool OpenFolderWindow(ui::WindowSystem& windows, const std::string& folder) {
  fs::Resolved resolved;
  DWORD error;
  if (!fs::Files().resolve(folder, resolved, error) || !resolved.exists || !resolved.isDirectory) {
    return false;
  }
  ui::Window& window = windows.create(ui::WindowKind::Other, "CabinetWClass", nullptr, nullptr);
  window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  window.text = LastComponent(resolved.path);
  window.rect = ui::Rect{40, 40, 480, 360};
  window.ownProcedure = FolderWindowProcedure;
  ui::Window& list = windows.create(ui::WindowKind::ListBox, "LISTBOX", &window, nullptr);
  list.id = kListId;
  list.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT;
  list.rect = ui::Rect{0, 0, window.clientWidth(), window.clientHeight()};
  list.visible = true;
  list.items = FilesIn(resolved);
  windows.show(window, true);
  return true;
}

}  // namespace platform::shell
