// The player's expectations: they look at the window model and change nothing.
#include <cstdlib>

#include "platform/automation/player.h"
#include "platform/automation/transcript.h"
#include "platform/profile/profile_document.h"
#include "platform/ui/message_box.h"

namespace platform::automation {
namespace {

std::string Quoted(const std::string& text) { return Transcript::quote(text); }

std::string RectText(const ui::Rect& rect) {
  return std::to_string(rect.x) + " " + std::to_string(rect.y) + " " + std::to_string(rect.width) +
         " " + std::to_string(rect.height);
}

std::string Numbers(const Command& command, size_t from) {
  std::string text;
  for (size_t i = from; i < command.arguments.size(); ++i) {
    text += (text.empty() ? "" : " ") + command.arguments[i].text;
  }
  return text;
}

std::string ListText(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : " ") + Quoted(item);
  return text.empty() ? "no items" : text;
}

bool IsFolderBrowser(const ui::Window* window) {
  return window && window->dialog && window->dialog->browseTo;
}

}  // namespace

bool Player::expectation(const Command& command, std::string& expected, std::string& found) {
  const auto& args = command.arguments;
  ui::Window* active = windows_.find(windows_.active());
  if (command.verb == "dialog") {
    expected = "dialog " + args[0].text;
    found = describeActive();
    return active && active->dialog && !active->dialog->isMessageBox &&
           profile::NamesEqual(active->dialog->templateName, args[0].text);
  }
  if (command.verb == "messagebox") {
    expected = "messagebox " + Quoted(args[0].text) + " " + Quoted(args[1].text);
    found = describeActive();
    ui::Window* box = activeMessageBox(found);
    return box && box->text == args[0].text && MessageText(windows_, *box) == args[1].text;
  }
  if (command.verb == "browser") {
    expected = "the folder browser";
    found = describeActive();
    return IsFolderBrowser(active);
  }
  if (command.verb == "expect-icon") {
    expected = "icon " + args[0].text;
    ui::Window* box = activeMessageBox(found);
    if (!box) return false;
    found = std::string("icon ") + ui::IconName(box->dialog->icon);
    return found == expected;
  }
  if (command.verb == "expect-window") {
    expected = "window at " + Numbers(command, 0);
    if (!active) {
      found = "no active window";
      return false;
    }
    found = RectText(active->rect);
    return found == Numbers(command, 0);
  }
  if (command.verb == "expect-focus") {
    expected = "focus on control " + args[0].text;
    ui::Window* wanted = control(args[0].text, found);
    if (!wanted) return false;
    ui::Window* focused = windows_.find(windows_.focus());
    found = focused && focused->parent ? "focus on control " + std::to_string(focused->id)
                                       : "focus on no control";
    return focused == wanted;
  }
  ui::Window* target = control(args[0].text, found);
  if (command.verb == "expect-text") {
    expected = "control " + args[0].text + " text " + Quoted(args[1].text);
    if (!target) return false;
    found = "text " + Quoted(target->text);
    return target->text == args[1].text;
  }
  if (command.verb == "expect-checked") {
    expected = "control " + args[0].text + " checked " + args[1].text;
    if (!target) return false;
    found = "checked " + std::to_string(target->checkState);
    return target->checkState == std::atoi(args[1].text.c_str());
  }
  if (command.verb == "expect-list") {
    std::vector<std::string> items;
    for (size_t i = 1; i < args.size(); ++i) items.push_back(args[i].text);
    expected = "list " + ListText(items);
    if (!target) return false;
    found = "list " + ListText(target->items);
    return target->items == items;
  }
  if (command.verb == "expect-selected") {
    expected = "control " + args[0].text + " selected " + args[1].text;
    if (!target) return false;
    found = "selected " + std::to_string(target->currentSelection);
    return target->currentSelection == std::atoi(args[1].text.c_str());
  }
  if (command.verb == "expect-rect") {
    expected = "control " + args[0].text + " at " + Numbers(command, 1);
    if (!target) return false;
    found = RectText(target->rect);
    return found == Numbers(command, 1);
  }
  expected = "a known command";
  found = command.verb;
  return false;
}

}  // namespace platform::automation
