#include "tests/wine/remote_windows.h"

#include <vector>

#include "platform/profile/profile_document.h"

namespace wine_player {
namespace {

struct Search {
  DWORD process;
  std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process) search->windows.push_back(window);
  return TRUE;
}

// The process's top-level windows from the top of the screen down.
std::vector<HWND> TopLevels(DWORD process) {
  Search search{process, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

}  // namespace

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result)) {
    return 0;
  }
  return LRESULT(result);
}

std::string TextOf(HWND window) {
  char text[4096] = "";
  Ask(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string MessageTextOf(HWND box) {
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? TextOf(text) : "";
}

HWND RemoteWindows::active() const {
  for (HWND window : TopLevels(process_)) {
    if (IsWindowVisible(window) && IsWindowEnabled(window) && ClassOf(window) == "#32770") {
      return window;
    }
  }
  return nullptr;
}

bool RemoteWindows::isMessageBox(HWND window) const {
  return ClassOf(window) == "#32770" && templateOf(window).empty() && GetDlgItem(window, 0xFFFF) &&
         (GetDlgItem(window, IDOK) || GetDlgItem(window, IDYES));
}

std::string RemoteWindows::templateOf(HWND window) const {
  std::string caption = TextOf(window);
  const platform::ui::DialogTemplate* best = nullptr;
  size_t bestControls = 0;
  for (const platform::ui::DialogTemplate& dialog : templates_.dialogs()) {
    if (dialog.caption != caption) continue;
    size_t controls = 0;
    bool holdsAll = true;
    for (const platform::ui::ControlTemplate& control : dialog.controls) {
      if (control.id == 0xFFFF) continue;
      holdsAll = holdsAll && GetDlgItem(window, control.id) != nullptr;
      ++controls;
    }
    if (holdsAll && (!best || controls > bestControls)) {
      best = &dialog;
      bestControls = controls;
    }
  }
  return best ? best->name : "";
}

HWND RemoteWindows::dialogFrom(const std::string& name) const {
  for (HWND window : TopLevels(process_)) {
    if (IsWindowVisible(window) && platform::profile::NamesEqual(templateOf(window), name)) {
      return window;
    }
  }
  return nullptr;
}

std::string RemoteWindows::describe(HWND window) const {
  if (!window) return "no active window";
  std::string name = templateOf(window);
  if (!name.empty()) return "dialog " + name;
  if (isMessageBox(window))
    return "messagebox \"" + TextOf(window) + "\" \"" + MessageTextOf(window) + "\"";
  return "window \"" + TextOf(window) + "\"";
}

}  // namespace wine_player
