// The window system: every window of the thread, the posted-message queue, the
// timers, focus and activation, and the loop that modal calls run.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/fonts.h"
#include "platform/ui/timers.h"
#include "platform/ui/window.h"

namespace platform::ui {

// Acts for the user when the program waits for input: the automation player,
// or a test.
class InputSource {
 public:
  virtual ~InputSource() = default;
  virtual void onIdle() = 0;
};

class WindowSystem {
 public:
  WindowSystem(display::Display& display, int screenWidth, int screenHeight);
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  Window* find(HWND handle) const;
  Window* child(HWND parent, int id) const;
  Window* topLevelOf(HWND handle) const;

  // Creates a window; children go last in their parent's tab order.
  Window& create(WindowKind kind, const std::string& className, Window* parent, HWND owner);
  void destroy(HWND handle);

  LRESULT send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  bool post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  // Tells the parent dialog of a control about it (WM_COMMAND id, code).
  void notifyParent(Window& control, WORD code);

  HWND focus() const { return focus_; }
  HWND setFocus(HWND handle);
  // The top-level window that takes the user's input.
  HWND active() const { return active_; }
  void activate(HWND handle);
  // Top-level windows from the bottom of the screen to the top.
  const std::vector<HWND>& topLevels() const { return topLevels_; }

  void show(Window& window, bool visible);
  void enable(Window& window, bool enabled);
  void changed(const Window& window) { display_.windowChanged(window.handle()); }

  // Runs the thread's messages, timers and input until the dialog has ended.
  void runModalLoop(HWND dialog);
  // Does one thing: a posted message, a due timer, a wait for one, or input.
  void pumpOnce();

  Timers& timers() { return timers_; }
  Fonts& fonts() { return fonts_; }
  const Fonts& fonts() const { return fonts_; }
  ResourceTable& resources() { return resources_; }
  display::Display& display() { return display_; }
  int screenWidth() const { return screenWidth_; }
  int screenHeight() const { return screenHeight_; }

  void setInput(InputSource* input) { input_ = input; }
  // Templates that a test of a failure path makes impossible to create.
  void setDeniedTemplates(std::vector<std::string> names) { deniedTemplates_ = std::move(names); }
  bool templateDenied(const std::string& name) const;

 private:
  struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  void destroyTree(Window& window);
  void forget(HWND handle);
  void chooseActiveAfter(HWND leaving, HWND owner);
  void restoreFocus(Window& topLevel);

  display::Display& display_;
  int screenWidth_;
  int screenHeight_;
  std::map<HWND, std::shared_ptr<Window>> windows_;
  std::vector<HWND> topLevels_;
  std::deque<PostedMessage> posted_;
  Timers timers_;
  Fonts fonts_;
  ResourceTable resources_;
  HWND focus_ = nullptr;
  HWND active_ = nullptr;
  InputSource* input_ = nullptr;
  std::vector<std::string> deniedTemplates_;
  uintptr_t nextHandle_ = 0x10000;
};

// The window system of the running program (or of a test), kept in the
// process's runtime record.
WindowSystem& Windows();
void SetWindows(WindowSystem* windows);

}  // namespace platform::ui
