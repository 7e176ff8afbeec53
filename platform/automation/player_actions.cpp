// The player's actions: the user's mouse and keys, through the same input
// procedures as a person's.
#include <cstdlib>

#include "platform/automation/player.h"
#include "platform/automation/transcript.h"
#include "platform/ui/input.h"

namespace platform::automation {
namespace {

bool ParseKey(const std::string& word, ui::Key& key) {
  static const struct {
    const char* word;
    ui::Key key;
  } kKeys[] = {{"enter", ui::Key::Enter},
               {"escape", ui::Key::Escape},
               {"tab", ui::Key::Tab},
               {"shift-tab", ui::Key::ShiftTab},
               {"space", ui::Key::Space}};
  for (const auto& entry : kKeys) {
    if (word == entry.word) {
      key = entry.key;
      return true;
    }
  }
  return false;
}

int AnswerId(const std::string& word) {
  if (word == "yes") return IDYES;
  if (word == "no") return IDNO;
  if (word == "ok") return IDOK;
  return 0;
}

}  // namespace

bool Player::action(const Command& command, std::string& expected, std::string& found) {
  const auto& args = command.arguments;
  ui::Window* active = windows_.find(windows_.active());
  if (command.verb == "key") {
    expected = "enter, escape, tab, shift-tab, space or alt-X";
    found = args[0].text;
    if (args[0].text.size() == 5 && args[0].text.compare(0, 4, "alt-") == 0) {
      ui::PressMnemonic(windows_, args[0].text[4]);
      return true;
    }
    ui::Key key;
    if (!ParseKey(args[0].text, key)) return false;
    ui::PressKey(windows_, key);
    return true;
  }
  if (command.verb == "close") {
    expected = "a window with a close box";
    found = describeActive();
    return active && ui::ClickCloseBox(windows_, *active);
  }
  if (command.verb == "answer") {
    expected = "a message box with the button " + args[0].text;
    ui::Window* box = activeMessageBox(found);
    ui::Window* button = box ? windows_.child(box->handle(), AnswerId(args[0].text)) : nullptr;
    if (box && !button) found = describeActive() + " without that button";
    if (!button) return false;
    ui::ClickControl(windows_, *button);
    return true;
  }
  if (command.verb == "browse") {
    expected = "the folder browser";
    found = describeActive();
    if (!active || !active->dialog || !active->dialog->browseTo) return false;
    if (!args[0].quoted) {
      if (args[0].text != "cancel") return false;
      active->dialog->cancelBrowse();
      return true;
    }
    expected = "a folder " + Transcript::quote(args[0].text) + " in the folder browser";
    found = "no such folder";
    return active->dialog->browseTo(args[0].text);
  }
  if (command.verb == "eject") {
    expected = "a drive letter with a drive";
    found = args[0].text;
    return args[0].text.size() == 1 && machine_.eject(args[0].text[0]);
  }
  if (command.verb == "screenshot") {
    windows_.display().screenshot(args[0].text);
    return true;
  }
  if (!active || !active->enabled) {
    expected = "an active window";
    found = describeActive();
    return false;
  }
  expected = "control " + args[0].text;
  ui::Window* target = control(args[0].text, found);
  if (!target) return false;
  if (target->parent != active) {
    found = "control " + args[0].text + " outside the active window";
    return false;
  }
  if (command.verb == "click") {
    ui::ClickControl(windows_, *target);
    return true;
  }
  if (command.verb == "select") {
    int index = std::atoi(args[1].text.c_str());
    expected = "item " + args[1].text + " in list " + args[0].text;
    found = std::to_string(target->items.size()) + " items";
    if (target->kind() != ui::WindowKind::ListBox || index < 0 ||
        index >= int(target->items.size())) {
      return false;
    }
    ui::ClickListItem(windows_, *target, index);
    return true;
  }
  if (command.verb == "type") {
    expected = "an edit control " + args[0].text;
    found = "a " + target->className() + " control";
    if (target->kind() != ui::WindowKind::Edit) return false;
    ui::TypeInto(windows_, *target, args[1].text);
    return true;
  }
  expected = "a known command";
  found = command.verb;
  return false;
}

}  // namespace platform::automation
