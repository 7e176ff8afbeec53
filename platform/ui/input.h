// The user's input, from a person at the window display or from a script:
// both come through these procedures, so both behave alike.
#pragma once

#include <string>

#include "platform/ui/window_system.h"

namespace platform::ui {

enum class Key {
  Enter,
  Escape,
  Tab,
  ShiftTab,
  Space,
  Backspace,
  Delete,
  Up,
  Down,
  Left,
  Right,
  Home,
  End
};

// Mouse.
void ClickControl(WindowSystem& system, Window& control);
void ClickListItem(WindowSystem& system, Window& list, int index);
// The close box of a top-level window; false when it has none.
bool ClickCloseBox(WindowSystem& system, Window& window);

// Keyboard, to the focused control of the active window.
void PressKey(WindowSystem& system, Key key);
// Alt and a letter: the control whose text underlines it.
void PressMnemonic(WindowSystem& system, char letter);
// A printable character.
void TypeCharacter(WindowSystem& system, char c);
// Clicks into the edit control and replaces its text by typing.
void TypeInto(WindowSystem& system, Window& edit, const std::string& text);

// The push button that Enter clicks: the focused one, else the dialog's
// default push button; null when there is none.
Window* DefaultButton(WindowSystem& system, Window& dialog);

}  // namespace platform::ui
