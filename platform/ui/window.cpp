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

bool Window::framed() const { return isTopLevel() && (style & WS_CAPTION); }

int Window::clientLeft() const { return framed() ? kFrameWidth : 0; }

int Window::clientTop() const { return framed() ? kFrameWidth + kCaptionHeight : 0; }

int Window::clientWidth() const { return rect.width - (framed() ? 2 * kFrameWidth : 0); }

int Window::clientHeight() const {
  return rect.height - clientTop() - (framed() ? kFrameWidth : 0);
}

void Window::setClientSize(int width, int height) {
  rect.width = width + (framed() ? 2 * kFrameWidth : 0);
  rect.height = height + clientTop() + (framed() ? kFrameWidth : 0);
}

}  // namespace platform::ui
