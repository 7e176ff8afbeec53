// USER32's window, message, focus and timer functions over the window system.
#include "platform/profile/profile_document.h"
#include "platform/ui/controls.h"
#include "platform/ui/window_system.h"

using platform::ui::Rect;
using platform::ui::Window;
using platform::ui::Windows;
using platform::ui::WindowSystem;

namespace {

// The screen position of a window's client area.
void ClientOrigin(const Window& window, int& x, int& y) {
  if (window.parent) {
    ClientOrigin(*window.parent, x, y);
    x += window.rect.x;
    y += window.rect.y;
    return;
  }
  x = window.rect.x + window.clientLeft();
  y = window.rect.y + window.clientTop();
}

bool Matches(const std::string& value, LPCSTR wanted) {
  return !wanted || platform::profile::NamesEqual(value, wanted);
}

}  // namespace

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND parent, HMENU menu, HINSTANCE, LPVOID) {
  WindowSystem& system = Windows();
  platform::ui::WindowKind kind = platform::ui::KindOfClass(className ? className : "");
  Window* parentWindow = system.find(parent);
  if (kind == platform::ui::WindowKind::Other || (parent && !parentWindow)) return nullptr;
  bool child = (style & WS_CHILD) && parentWindow;
  Window& window =
      system.create(kind, className, child ? parentWindow : nullptr, child ? nullptr : parent);
  window.id = child ? int(reinterpret_cast<intptr_t>(menu)) : 0;
  window.text = windowName ? windowName : "";
  window.style = style;
  window.rect = Rect{x, y, width, height};
  window.enabled = !(style & WS_DISABLED);
  if (kind == platform::ui::WindowKind::Dialog) {
    window.dialog = std::make_unique<platform::ui::DialogState>();
  }
  if (style & WS_VISIBLE) system.show(window, true);
  return window.handle();
}

BOOL WINAPI DestroyWindow(HWND window) {
  WindowSystem& system = Windows();
  if (!system.find(window)) return FALSE;
  system.destroy(window);
  return TRUE;
}

BOOL WINAPI IsWindow(HWND window) { return Windows().find(window) != nullptr; }

HWND WINAPI GetParent(HWND handle) {
  Window* window = Windows().find(handle);
  if (!window) return nullptr;
  return window->parent ? window->parent->handle() : window->owner;
}

int WINAPI GetDlgCtrlID(HWND handle) {
  Window* window = Windows().find(handle);
  return window && window->parent ? window->id : 0;
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Windows().send(window, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Windows().post(window, message, wParam, lParam);
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
  if (!Windows().find(window)) return FALSE;
  Windows().send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return TRUE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR buffer, int size) {
  if (buffer && size > 0) buffer[0] = '\0';
  if (!Windows().find(window)) return 0;
  return int(Windows().send(window, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(buffer)));
}

BOOL WINAPI GetWindowRect(HWND handle, LPRECT rect) {
  Window* window = Windows().find(handle);
  if (!window || !rect) return FALSE;
  int x = window->rect.x, y = window->rect.y;
  if (window->parent) {
    ClientOrigin(*window->parent, x, y);
    x += window->rect.x;
    y += window->rect.y;
  }
  *rect = RECT{x, y, x + window->rect.width, y + window->rect.height};
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
  Window* window = Windows().find(handle);
  if (!window || !rect) return FALSE;
  *rect = RECT{0, 0, window->clientWidth(), window->clientHeight()};
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND handle, int x, int y, int width, int height, BOOL) {
  Window* window = Windows().find(handle);
  if (!window) return FALSE;
  window->rect = Rect{x, y, width, height};
  Windows().changed(*window);
  return TRUE;
}

BOOL WINAPI ShowWindow(HWND handle, int command) {
  Window* window = Windows().find(handle);
  if (!window) return FALSE;
  BOOL wasVisible = window->visible;
  Windows().show(*window, command != SW_HIDE);
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND handle) {
  for (Window* window = Windows().find(handle); window; window = window->parent) {
    if (!window->visible) return FALSE;
  }
  return Windows().find(handle) != nullptr;
}

BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
  Window* window = Windows().find(handle);
  if (!window) return FALSE;
  BOOL wasDisabled = !window->enabled;
  Windows().enable(*window, enable != FALSE);
  return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND handle) {
  Window* window = Windows().find(handle);
  return window && window->enabled;
}

HWND WINAPI SetFocus(HWND window) {
  if (window && !Windows().find(window)) return nullptr;
  return Windows().setFocus(window);
}

HWND WINAPI GetFocus(void) { return Windows().focus(); }

BOOL WINAPI UpdateWindow(HWND handle) {
  Window* window = Windows().find(handle);
  if (!window) return FALSE;
  Windows().changed(*window);
  return TRUE;
}

HWND WINAPI FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName) {
  WindowSystem& system = Windows();
  std::vector<HWND> candidates;
  if (parent) {
    Window* window = system.find(parent);
    if (!window) return nullptr;
    candidates = window->children;
  } else {
    // From the top of the screen down.
    candidates.assign(system.topLevels().rbegin(), system.topLevels().rend());
  }
  bool started = childAfter == nullptr;
  for (HWND handle : candidates) {
    if (!started) {
      started = handle == childAfter;
      continue;
    }
    Window* window = system.find(handle);
    if (window && Matches(window->className(), className) && Matches(window->text, windowName)) {
      return handle;
    }
  }
  return nullptr;
}

int WINAPI GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return Windows().screenWidth();
    case SM_CYSCREEN:
      return Windows().screenHeight();
    default:
      return 0;
  }
}

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC) {
  WindowSystem& system = Windows();
  if (!system.find(window)) return 0;
  system.timers().set(window, id, elapse, system.display().now());
  return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) { return Windows().timers().kill(window, id); }
