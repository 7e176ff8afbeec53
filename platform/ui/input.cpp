#include "platform/ui/input.h"

#include "platform/ui/controls.h"

namespace platform::ui {

void ClickControl(WindowSystem& system, Window& control) {
  if (!control.visible || !control.enabled) return;
  switch (control.kind()) {
    case WindowKind::Button:
      ClickButton(system, control);
      break;
    case WindowKind::Edit:
      system.setFocus(control.handle());
      if (Window* edit = system.find(control.handle())) {
        edit->selectionStart = edit->selectionEnd = int(edit->text.size());
        system.changed(*edit);
      }
      break;
    case WindowKind::ListBox:
      system.setFocus(control.handle());
      break;
    default:
      break;  // statics take no clicks
  }
}

void ClickListItem(WindowSystem& system, Window& list, int index) {
  if (!list.visible || !list.enabled) return;
  SelectListItem(system, list, index);
}

bool ClickCloseBox(WindowSystem& system, Window& window) {
  if (!window.hasCloseBox()) return false;
  system.send(window.handle(), WM_CLOSE, 0, 0);
  return true;
}

void TypeInto(WindowSystem& system, Window& edit, const std::string& text) {
  HWND handle = edit.handle();
  ClickControl(system, edit);
  system.send(handle, EM_SETSEL, 0, -1);
  if (text.empty()) system.send(handle, WM_CHAR, '\b', 0);
  for (char c : text) {
    if (!system.find(handle)) return;
    system.send(handle, WM_CHAR, WPARAM(static_cast<unsigned char>(c == '\n' ? '\r' : c)), 0);
  }
}

}  // namespace platform::ui
