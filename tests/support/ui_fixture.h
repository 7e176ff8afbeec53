// A window system with the headless display, dialog templates read from a
// resource script, and a user that plays script lines when the program waits.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/automation/player.h"
#include "platform/display/headless_display.h"
#include "platform/fs/machine.h"
#include "platform/ui/window_system.h"

namespace testing_support {

class ScriptedUser final : public platform::ui::InputSource {
 public:
  explicit ScriptedUser(platform::ui::WindowSystem& windows);
  void setLines(const std::string& script);
  // Performs the next line; with none left, ends the active dialog with -2.
  void onIdle() override;

 private:
  platform::ui::WindowSystem& windows_;
  platform::fs::Machine machine_;
  platform::automation::Script unused_;
  platform::automation::Player player_;
  std::deque<platform::automation::Command> lines_;
};

class UiTest : public ::testing::Test {
 protected:
  UiTest();
  ~UiTest() override;
  // Adds the templates of a resource script.
  void loadTemplates(const std::string& script);

  platform::display::HeadlessDisplay display_;
  platform::ui::WindowSystem windows_{display_, 800, 600};
  ScriptedUser user_{windows_};
};

}  // namespace testing_support
