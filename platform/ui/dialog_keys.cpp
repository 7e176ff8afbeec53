// The dialog manager's keys: Tab and Shift+Tab among the tab stops, Space on
// buttons, Enter for the focused or default push button (else IDOK), Escape
// for IDCANCEL, and mnemonics.
#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/input.h"

namespace platform::ui {
namespace {

std::vector<Window*> TabStops(WindowSystem& system, Window& dialog) {
  std::vector<Window*> stops;
  for (HWND handle : dialog.children) {
    Window* control = system.find(handle);
    if (control && control->visible && control->enabled && (control->style & WS_TABSTOP)) {
      stops.push_back(control);
    }
  }
  return stops;
}

void MoveFocus(WindowSystem& system, Window& dialog, bool forward) {
  std::vector<Window*> stops = TabStops(system, dialog);
  if (stops.empty()) return;
  int count = int(stops.size());
  int at = -1;
  for (int i = 0; i < count; ++i) {
    if (stops[i]->handle() == system.focus()) at = i;
  }
  int next = at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
  Window* target = stops[next];
  HWND handle = target->handle();
  system.setFocus(handle);
  // An edit control reached with the keyboard has its whole text selected.
  if (target->kind() == WindowKind::Edit) system.send(handle, EM_SETSEL, 0, -1);
}

void SendCommand(WindowSystem& system, Window& dialog, int id) {
  Window* control = system.child(dialog.handle(), id);
  system.send(dialog.handle(), WM_COMMAND, MAKEWPARAM(WORD(id), BN_CLICKED),
              reinterpret_cast<LPARAM>(control ? control->handle() : nullptr));
}

void PressEnter(WindowSystem& system, Window& dialog, Window* focused) {
  if (focused && focused->isMultilineEdit() && (focused->style & ES_WANTRETURN)) {
    system.send(focused->handle(), WM_CHAR, '\r', 0);
    return;
  }
  Window* button = DefaultButton(system, dialog);
  if (button && !button->enabled) return;
  SendCommand(system, dialog, button ? button->id : IDOK);
}

// The letter that "&" underlines in a control's text, or 0.
char MnemonicOf(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return char(std::tolower(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

bool WantsCharacters(const Window* focused) {
  return focused && (focused->kind() == WindowKind::Edit);
}

// The caret keys of an edit control; Delete takes the selection or the
// character after the caret.
void MoveCaret(WindowSystem& system, Window& edit, Key key) {
  int length = int(edit.text.size());
  int caret = edit.selectionEnd;
  if (key == Key::Delete) {
    if (edit.selectionStart == edit.selectionEnd) {
      if (caret >= length) return;
      system.send(edit.handle(), EM_SETSEL, WPARAM(caret), caret + 1);
    }
    system.send(edit.handle(), WM_CHAR, '\b', 0);
    return;
  }
  if (key == Key::Left)
    caret = std::max(0, edit.selectionStart == edit.selectionEnd ? caret - 1 : edit.selectionStart);
  if (key == Key::Right)
    caret = std::min(length, caret + (edit.selectionStart == edit.selectionEnd ? 1 : 0));
  if (key == Key::Home) caret = 0;
  if (key == Key::End) caret = length;
  system.send(edit.handle(), EM_SETSEL, WPARAM(caret), caret);
}

}  // namespace

Window* DefaultButton(WindowSystem& system, Window& dialog) {
  Window* focused = system.find(system.focus());
  if (focused && focused->parent == &dialog && focused->isPushButton()) return focused;
  if (!dialog.dialog || dialog.dialog->defaultId == 0) return nullptr;
  Window* button = system.child(dialog.handle(), dialog.dialog->defaultId);
  return button && button->visible && button->isPushButton() ? button : nullptr;
}

void PressKey(WindowSystem& system, Key key) {
  Window* dialog = system.find(system.active());
  if (!dialog || !dialog->enabled) return;
  Window* focused = system.find(system.focus());
  if (focused && focused->parent != dialog) focused = nullptr;
  switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
      MoveFocus(system, *dialog, key == Key::Tab);
      break;
    case Key::Space:
      if (focused && (focused->isPushButton() || focused->isCheckBox())) {
        ClickButton(system, *focused);
      } else if (WantsCharacters(focused)) {
        system.send(focused->handle(), WM_CHAR, ' ', 0);
      }
      break;
    case Key::Enter:
      PressEnter(system, *dialog, focused);
      break;
    case Key::Escape:
      SendCommand(system, *dialog, IDCANCEL);
      break;
    case Key::Backspace:
      if (WantsCharacters(focused)) system.send(focused->handle(), WM_CHAR, '\b', 0);
      break;
    case Key::Delete:
    case Key::Left:
    case Key::Right:
    case Key::Home:
    case Key::End:
      if (WantsCharacters(focused)) MoveCaret(system, *focused, key);
      break;
    case Key::Up:
    case Key::Down:
      if (focused && focused->kind() == WindowKind::ListBox && !focused->items.empty()) {
        int at = focused->currentSelection + (key == Key::Down ? 1 : -1);
        if (focused->currentSelection < 0) at = 0;
        if (at >= 0 && at < int(focused->items.size())) SelectListItem(system, *focused, at);
      }
      break;
  }
}

void PressMnemonic(WindowSystem& system, char letter) {
  Window* dialog = system.find(system.active());
  if (!dialog || !dialog->enabled) return;
  char wanted = char(std::tolower(static_cast<unsigned char>(letter)));
  const std::vector<HWND> children = dialog->children;
  for (size_t i = 0; i < children.size(); ++i) {
    Window* control = system.find(children[i]);
    if (!control || !control->visible || !control->enabled) continue;
    if (MnemonicOf(control->text) != wanted) continue;
    if (control->isPushButton() || control->isCheckBox()) {
      ClickButton(system, *control);
      return;
    }
    // A label's mnemonic moves the focus to the next control that takes it.
    for (size_t j = i + 1; j < children.size(); ++j) {
      Window* next = system.find(children[j]);
      if (next && next->visible && next->enabled && (next->style & WS_TABSTOP)) {
        system.setFocus(next->handle());
        return;
      }
    }
    return;
  }
}

void TypeCharacter(WindowSystem& system, char c) {
  Window* dialog = system.find(system.active());
  if (!dialog || !dialog->enabled) return;
  Window* focused = system.find(system.focus());
  if (WantsCharacters(focused) && focused->parent == dialog) {
    system.send(focused->handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 0);
    return;
  }
  // Where the focused control takes no characters, a letter acts as a mnemonic.
  PressMnemonic(system, c);
}

}  // namespace platform::ui
