// The windows of another process as the automation script sees them: the
// active window, which template a dialog was made from, a message box's text.
#pragma once

#include <string>

#include "platform/ui/dialog_template.h"
#include "platform/win32.h"

namespace wine_player {

class RemoteWindows {
 public:
  RemoteWindows(DWORD process, const platform::ui::ResourceTable& templates)
      : process_(process), templates_(templates) {}

  // The process's enabled, visible top-level window nearest the top.
  HWND active() const;
  // The template a dialog was made from: the one whose caption it has and all
  // of whose controls it holds, the one with the most controls winning.
  std::string templateOf(HWND window) const;
  bool isMessageBox(HWND window) const;
  // The topmost open dialog made from the template, or null.
  HWND dialogFrom(const std::string& name) const;
  std::string describe(HWND window) const;

 private:
  DWORD process_;
  const platform::ui::ResourceTable& templates_;
};

// A message sent to a window of the other process, given up after 2 s so
// that a busy program never holds the player.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// A window's text, asked of its own process.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The text of a message box: its static control of identifier 0xFFFF.
std::string MessageTextOf(HWND box);

}  // namespace wine_player
