#include "platform/ui/window_system.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/profile/profile_document.h"
#include "platform/runtime.h"
#include "platform/ui/controls.h"

namespace platform::ui {

WindowSystem& Windows() { return Required(TheRuntime().windows, "window system"); }

void SetWindows(WindowSystem* windows) { TheRuntime().windows = windows; }

WindowSystem::WindowSystem(display::Display& display, int screenWidth, int screenHeight)
    : display_(display), screenWidth_(screenWidth), screenHeight_(screenHeight) {}

WindowSystem::~WindowSystem() = default;

Window* WindowSystem::find(HWND handle) const {
  auto found = windows_.find(handle);
  return found == windows_.end() ? nullptr : found->second.get();
}

Window* WindowSystem::child(HWND parent, int id) const {
  Window* window = find(parent);
  if (!window) return nullptr;
  for (HWND handle : window->children) {
    Window* control = find(handle);
    if (control && control->id == id) return control;
  }
  return nullptr;
}

Window* WindowSystem::topLevelOf(HWND handle) const {
  Window* window = find(handle);
  while (window && window->parent) window = window->parent;
  return window;
}

Window& WindowSystem::create(WindowKind kind, const std::string& className, Window* parent,
                             HWND owner) {
  nextHandle_ += 4;
  HWND handle = reinterpret_cast<HWND>(nextHandle_);
  auto window = std::make_shared<Window>(handle, kind, className);
  window->parent = parent;
  window->owner = parent ? nullptr : owner;
  windows_[handle] = window;
  if (parent) {
    parent->children.push_back(handle);
  } else {
    topLevels_.push_back(handle);
  }
  return *window;
}

void WindowSystem::destroy(HWND handle) {
  Window* window = find(handle);
  if (!window) return;
  // Owned windows go with their owner, as in Win32.
  std::vector<HWND> owned;
  for (HWND top : topLevels_) {
    Window* other = find(top);
    if (other && other->owner == handle) owned.push_back(top);
  }
  for (HWND top : owned) destroy(top);
  bool wasTopLevel = window->isTopLevel();
  HWND owner = window->owner;
  destroyTree(*window);
  if (wasTopLevel) chooseActiveAfter(handle, owner);
}

void WindowSystem::destroyTree(Window& window) {
  HWND handle = window.handle();
  // The window stays alive until this call returns, whatever its handler does.
  std::shared_ptr<Window> hold = windows_.at(handle);
  send(handle, WM_DESTROY, 0, 0);
  std::vector<HWND> children = window.children;
  for (HWND child : children) {
    if (Window* control = find(child)) destroyTree(*control);
  }
  if (window.dialog && window.dialog->ownFont) fonts_.destroy(window.dialog->ownFont);
  forget(handle);
}

void WindowSystem::forget(HWND handle) {
  Window* window = find(handle);
  if (!window) return;
  timers_.killAll(handle);
  if (focus_ == handle) focus_ = nullptr;
  if (window->parent) {
    auto& siblings = window->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
  } else {
    topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), handle), topLevels_.end());
  }
  display_.windowDestroyed(handle);
  windows_.erase(handle);
}

LRESULT WindowSystem::send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  auto found = windows_.find(handle);
  if (found == windows_.end()) return 0;
  std::shared_ptr<Window> hold = found->second;
  return ClassProcedure(*this, *hold, message, wParam, lParam);
}

bool WindowSystem::post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!find(handle)) return false;
  posted_.push_back(PostedMessage{handle, message, wParam, lParam});
  return true;
}

void WindowSystem::notifyParent(Window& control, WORD code) {
  if (!control.parent) return;
  send(control.parent->handle(), WM_COMMAND, MAKEWPARAM(WORD(control.id), code),
       reinterpret_cast<LPARAM>(control.handle()));
}

HWND WindowSystem::setFocus(HWND handle) {
  HWND previous = focus_;
  if (!handle) {
    focus_ = nullptr;
    return previous;
  }
  Window* window = find(handle);
  if (!window) return nullptr;
  Window* top = topLevelOf(handle);
  if (top->dialog) top->dialog->lastFocus = handle;
  // A window that is not on the screen yet gets the focus when it is activated.
  if (!top->visible) return previous;
  if (active_ != top->handle()) activate(top->handle());
  if (focus_ == handle) return previous;
  HWND losing = focus_;
  focus_ = handle;
  if (losing) send(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
  send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
  if (Window* now = find(handle)) changed(*now);
  if (Window* old = find(losing)) changed(*old);
  return previous;
}

void WindowSystem::activate(HWND handle) {
  Window* window = find(handle);
  if (!window || !window->isTopLevel()) return;
  active_ = handle;
  topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), handle), topLevels_.end());
  topLevels_.push_back(handle);
  Window* focused = topLevelOf(focus_);
  if (focused != window) restoreFocus(*window);
  changed(*window);
}

void WindowSystem::restoreFocus(Window& topLevel) {
  HWND target = topLevel.handle();
  if (topLevel.dialog && find(topLevel.dialog->lastFocus) &&
      topLevelOf(topLevel.dialog->lastFocus) == &topLevel) {
    target = topLevel.dialog->lastFocus;
  }
  HWND losing = focus_;
  focus_ = target;
  if (losing && losing != target) send(losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(target), 0);
  send(target, WM_SETFOCUS, reinterpret_cast<WPARAM>(losing), 0);
}

void WindowSystem::chooseActiveAfter(HWND leaving, HWND owner) {
  if (active_ != leaving && find(active_)) return;
  active_ = nullptr;
  Window* ownerWindow = find(owner);
  if (ownerWindow && ownerWindow->visible && ownerWindow->enabled) {
    activate(owner);
    return;
  }
  for (auto top = topLevels_.rbegin(); top != topLevels_.rend(); ++top) {
    Window* candidate = find(*top);
    if (*top != leaving && candidate && candidate->visible && candidate->enabled) {
      activate(*top);
      return;
    }
  }
  if (!find(focus_) || topLevelOf(focus_)->handle() == leaving) focus_ = nullptr;
}

void WindowSystem::show(Window& window, bool visible) {
  if (window.visible == visible) return;
  window.visible = visible;
  changed(window);
  if (!window.isTopLevel()) return;
  if (visible) {
    activate(window.handle());
  } else {
    chooseActiveAfter(window.handle(), window.owner);
  }
}

void WindowSystem::enable(Window& window, bool enabled) {
  if (window.enabled == enabled) return;
  window.enabled = enabled;
  send(window.handle(), WM_ENABLE, enabled, 0);
  changed(window);
  if (!enabled && focus_ == window.handle() && window.parent) focus_ = nullptr;
}

void WindowSystem::runModalLoop(HWND dialog) {
  for (;;) {
    Window* window = find(dialog);
    if (!window || !window->dialog || window->dialog->ended) return;
    pumpOnce();
  }
}

void WindowSystem::pumpOnce() {
  if (!posted_.empty()) {
    PostedMessage message = posted_.front();
    posted_.pop_front();
    send(message.window, message.message, message.wParam, message.lParam);
    return;
  }
  if (auto due = timers_.nextDue()) {
    if (auto timer = timers_.takeDue(display_.now())) {
      send(timer->window, WM_TIMER, timer->id, 0);
    } else {
      display_.waitUntil(*due);
    }
    return;
  }
  if (input_) {
    input_->onIdle();
    return;
  }
  if (!display_.waitForInput()) {
    std::fputs("setup: the program waits for input and nothing can give it\n", stderr);
    std::exit(124);
  }
}

bool WindowSystem::templateDenied(const std::string& name) const {
  for (const std::string& denied : deniedTemplates_) {
    if (profile::NamesEqual(denied, name)) return true;
  }
  return false;
}

}  // namespace platform::ui
