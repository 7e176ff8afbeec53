// The program's own procedures on a test machine: a prefix, the window system
// with the program's dialog templates, and a fresh SetupState.
#pragma once

#include <functional>

#include "platform/profile/profile_cache.h"
#include "platform/ui/window_system.h"
#include "tests/support/prefix_fixture.h"
#include "tests/support/recording_display.h"

namespace testing_support {

class ProgramTest : public PrefixTest {
 protected:
  ProgramTest();
  ~ProgramTest() override;

  // Runs a dialog of the program and calls `look` when it first waits for the
  // user; the dialog is then ended with -2.
  INT_PTR runDialog(const char* name, DLGPROC procedure, const std::function<void(HWND)>& look);
  // Runs a dialog of the program with the user playing script lines; when
  // they run out, the active dialog is ended with -2.
  INT_PTR runScript(const char* name, DLGPROC procedure, const std::string& script);

  RecordingDisplay display_;
  platform::ui::WindowSystem windows_{display_, 800, 600};
  platform::profile::ProfileCache profiles_;
};

}  // namespace testing_support
