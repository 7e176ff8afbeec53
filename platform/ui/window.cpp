#include "platform/ui/window.h"

#include <utility>

namespace platform::ui {

Window::Window(HWND handle, WindowKind kind, std::string className)
    : handle_(handle), kind_(kind), className_(std::move(className)) {}

bool Window::isPushButton() const {
  return kind_ == WindowKind::Button &&
         (buttonType() == BS_PUSHBUTTON || buttonType() == BS_DEFPUSHBUTTON);
}

bool Window::isCheckBox() const {
  return kind_ == WindowKind::Button &&
         (buttonType() == BS_AUTOCHECKBOX || buttonType() == BS_CHECKBOX);
}

int Window::clientWidth() const {
  if (!isTopLevel() || !(style & WS_CAPTION)) return rect.width;
  return rect.width - 2 * kFrameWidth;
}

int Window::clientHeight() const {
  if (!isTopLevel() || !(style & WS_CAPTION)) return rect.height;
  return rect.height - 2 * kFrameWidth - kCaptionHeight;
}

}  // namespace platform::ui
