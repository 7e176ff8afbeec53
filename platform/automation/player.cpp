#include "platform/automation/player.h"

#include <cstdio>
#include <cstdlib>

#include "platform/automation/transcript.h"
#include "platform/profile/profile_document.h"
#include "platform/ui/message_box.h"

namespace platform::automation {
void Player::onIdle() {
  for (;;) {
    std::string error;
    std::optional<Command> command = script_.next(error);
    if (!error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::exit(kExitScriptFailed);
    }
    if (!command) {
      std::fprintf(stderr, "script ended while the program waits for the user (%s)\n",
                   describeActive().c_str());
      std::exit(kExitScriptEnded);
    }
    std::string expected, found;
    if (!perform(*command, expected, found)) {
      std::fprintf(stderr, "script line %d: expected %s, found %s\n", command->line,
                   expected.c_str(), found.c_str());
      std::exit(kExitScriptFailed);
    }
    if (IsAction(*command)) return;
  }
}

std::string MessageText(const ui::WindowSystem& windows, const ui::Window& box) {
  ui::Window* text = windows.child(box.handle(), ui::kMessageTextId);
  return text ? text->text : "";
}

bool Player::perform(const Command& command, std::string& expected, std::string& found) {
  return IsAction(command) ? action(command, expected, found)
                           : expectation(command, expected, found);
}

std::string Player::describeActive() const {
  ui::Window* window = windows_.find(windows_.active());
  if (!window) return "no active window";
  if (window->dialog && window->dialog->isMessageBox) {
    return "messagebox " + Transcript::quote(window->text) + " " +
           Transcript::quote(MessageText(windows_, *window));
  }
  if (window->dialog && !window->dialog->templateName.empty()) {
    return "dialog " + window->dialog->templateName;
  }
  return "window " + Transcript::quote(window->text);
}

// A control of the active window ("12"), or of the topmost dialog made from a
// template ("INSTALLFILES:1").
ui::Window* Player::control(const std::string& reference, std::string& found) {
  size_t colon = reference.rfind(':');
  std::string number = colon == std::string::npos ? reference : reference.substr(colon + 1);
  int id = std::atoi(number.c_str()) & 0xFFFF;
  ui::Window* dialog = windows_.find(windows_.active());
  if (colon != std::string::npos) {
    std::string name = reference.substr(0, colon);
    dialog = nullptr;
    const auto& tops = windows_.topLevels();
    for (auto top = tops.rbegin(); top != tops.rend() && !dialog; ++top) {
      ui::Window* window = windows_.find(*top);
      if (window && window->dialog && profile::NamesEqual(window->dialog->templateName, name)) {
        dialog = window;
      }
    }
    if (!dialog) {
      found = "no open dialog " + name;
      return nullptr;
    }
  }
  if (!dialog) {
    found = "no active window";
    return nullptr;
  }
  ui::Window* window = windows_.child(dialog->handle(), id);
  if (!window) found = "no control " + number + " in " + describeActive();
  return window;
}

ui::Window* Player::activeMessageBox(std::string& found) {
  ui::Window* window = windows_.find(windows_.active());
  if (window && window->dialog && window->dialog->isMessageBox) return window;
  found = describeActive();
  return nullptr;
}

}  // namespace platform::automation
