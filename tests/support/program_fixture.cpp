#include "tests/support/program_fixture.h"

#include <fstream>
#include <sstream>

#include "platform/runtime.h"
#include "platform/ui/rc_reader.h"
#include "tests/support/ui_fixture.h"
#include "wizard/setup_state.h"

namespace testing_support {
namespace {

std::string ReadResource(const std::string& name) {
  std::ifstream in(std::string(SETUP_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Look final : public platform::ui::InputSource {
 public:
  explicit Look(const std::function<void(HWND)>& look) : look_(look) {}
  void onIdle() override {
    HWND active = platform::ui::Windows().active();
    if (!looked_) look_(active);
    looked_ = true;
    EndDialog(active, -2);
  }

 private:
  const std::function<void(HWND)>& look_;
  bool looked_ = false;
};

}  // namespace

ProgramTest::ProgramTest() {
  platform::ui::SetWindows(&windows_);
  platform::TheRuntime().profiles = &profiles_;
  std::string error;
  EXPECT_TRUE(platform::ui::ReadResourceScript(
      {{"setup.rc", ReadResource("setup.rc")}, {"control_ids.h", ReadResource("control_ids.h")}},
      "setup.rc", windows_.resources(), error))
      << error;
  setupState = SetupState{};
  setupState.installIE = 1;
}

ProgramTest::~ProgramTest() {
  platform::ui::SetWindows(nullptr);
  platform::TheRuntime().profiles = nullptr;
}

INT_PTR ProgramTest::runDialog(const char* name, DLGPROC procedure,
                               const std::function<void(HWND)>& look) {
  Look user(look);
  windows_.setInput(&user);
  INT_PTR result = DialogBoxParamA(nullptr, name, nullptr, procedure, 0);
  windows_.setInput(nullptr);
  return result;
}

INT_PTR ProgramTest::runScript(const char* name, DLGPROC procedure, const std::string& script) {
  ScriptedUser user(windows_);
  user.setLines(script);
  windows_.setInput(&user);
  INT_PTR result = DialogBoxParamA(nullptr, name, nullptr, procedure, 0);
  windows_.setInput(nullptr);
  return result;
}

}  // namespace testing_support
