#include "platform/ui/controls.h"

#include <cstring>

#include "platform/profile/profile_document.h"

namespace platform::ui {

WindowKind KindOfClass(const std::string& className) {
  static const struct {
    const char* name;
    WindowKind kind;
  } kClasses[] = {{"BUTTON", WindowKind::Button},
                  {"STATIC", WindowKind::Static},
                  {"EDIT", WindowKind::Edit},
                  {"LISTBOX", WindowKind::ListBox},
                  {"SysTreeView32", WindowKind::TreeView},
                  {"#32770", WindowKind::Dialog}};
  for (const auto& entry : kClasses) {
    if (profile::NamesEqual(className, entry.name)) return entry.kind;
  }
  return WindowKind::Other;
}

int CopyText(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  int count = int(text.size()) < size - 1 ? int(text.size()) : size - 1;
  std::memcpy(buffer, text.data(), size_t(count));
  buffer[count] = '\0';
  return count;
}

LRESULT ClassProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                       LPARAM lParam) {
  if (window.ownProcedure && window.ownProcedure(window, message, wParam, lParam)) return 0;
  switch (window.kind()) {
    case WindowKind::Button:
      return ButtonProcedure(system, window, message, wParam, lParam);
    case WindowKind::Static:
      return StaticProcedure(system, window, message, wParam, lParam);
    case WindowKind::Edit:
      return EditProcedure(system, window, message, wParam, lParam);
    case WindowKind::ListBox:
      return ListBoxProcedure(system, window, message, wParam, lParam);
    case WindowKind::Dialog:
      return DialogProcedure(system, window, message, wParam, lParam);
    case WindowKind::TreeView:
    case WindowKind::Other:
      break;
  }
  return DefaultProcedure(system, window, message, wParam, lParam);
}

LRESULT DefaultProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      window.text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      system.changed(window);
      return TRUE;
    case WM_GETTEXT:
      return CopyText(window.text, reinterpret_cast<char*>(lParam), int(wParam));
    case WM_GETTEXTLENGTH:
      return LRESULT(window.text.size());
    case WM_SETFONT:
      window.font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) system.changed(window);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(window.font);
    case WM_CLOSE:
      system.destroy(window.handle());
      return 0;
    default:
      return 0;
  }
}

LRESULT StaticProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  return DefaultProcedure(system, window, message, wParam, lParam);
}

}  // namespace platform::ui
