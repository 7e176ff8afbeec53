#include "tests/support/ui_fixture.h"

#include <sstream>

#include "platform/ui/rc_reader.h"

namespace testing_support {

ScriptedUser::ScriptedUser(platform::ui::WindowSystem& windows)
    : windows_(windows), player_(unused_, windows, machine_) {}

void ScriptedUser::setLines(const std::string& script) {
  lines_.clear();
  std::istringstream in(script);
  std::string text;
  int line = 0;
  while (std::getline(in, text)) {
    std::optional<platform::automation::Command> command;
    std::string error;
    if (!platform::automation::ParseLine(text, ++line, command, error)) {
      ADD_FAILURE() << "line " << line << ": " << error;
    } else if (command) {
      lines_.push_back(*command);
    }
  }
}

void ScriptedUser::onIdle() {
  if (lines_.empty()) {
    EndDialog(windows_.active(), -2);
    return;
  }
  platform::automation::Command command = lines_.front();
  lines_.pop_front();
  std::string expected, found;
  if (!player_.perform(command, expected, found)) {
    ADD_FAILURE() << "line " << command.line << ": expected " << expected << ", found " << found;
  }
}

UiTest::UiTest() {
  platform::ui::SetWindows(&windows_);
  windows_.setInput(&user_);
}

UiTest::~UiTest() { platform::ui::SetWindows(nullptr); }

void UiTest::loadTemplates(const std::string& script) {
  std::string error;
  ASSERT_TRUE(platform::ui::ReadResourceScript({{"test.rc", script}}, "test.rc",
                                               windows_.resources(), error))
      << error;
}

}  // namespace testing_support
