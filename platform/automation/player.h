// Plays a script as the user: when the program waits for input, the next
// lines are checked and acted out against the window model.
#pragma once

#include <string>

#include "platform/automation/script.h"
#include "platform/fs/machine.h"
#include "platform/ui/window_system.h"

namespace platform::automation {

// Exit codes of the player itself; the program's own are never these.
constexpr int kExitScriptEnded = 124;
constexpr int kExitScriptFailed = 125;

class Player final : public ui::InputSource {
 public:
  Player(Script& script, ui::WindowSystem& windows, fs::Machine& machine)
      : script_(script), windows_(windows), machine_(machine) {}

  // Runs expectations up to and including the next action; ends the process
  // when the script has ended (124) or a line fails (125).
  void onIdle() override;

  // Carries out one command; false with `found` filled in when it fails.
  bool perform(const Command& command, std::string& expected, std::string& found);

 private:
  bool expectation(const Command& command, std::string& expected, std::string& found);
  bool action(const Command& command, std::string& expected, std::string& found);
  ui::Window* control(const std::string& reference, std::string& found);
  ui::Window* activeMessageBox(std::string& found);
  std::string describeActive() const;

  Script& script_;
  ui::WindowSystem& windows_;
  fs::Machine& machine_;
};

// The text of a message box.
std::string MessageText(const ui::WindowSystem& windows, const ui::Window& box);

}  // namespace platform::automation
