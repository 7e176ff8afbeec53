// The readme viewer: what it shows of the readme, where the caret stands and
// what has the focus.
#include "install/finishing.h"

#include <gtest/gtest.h>

#include "platform/ui/window_system.h"
#include "tests/support/program_fixture.h"
#include "wizard/setup_state.h"

namespace {

class ReadmeViewer : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    drive('d');
    boot();
  }
  // The text the viewer shows for a readme of these bytes.
  std::string shown(const std::string& readme) {
    file("d:\\SETUP\\README.TXT", readme);
    snprintf(setupState.readmePath, kPathSize, "d:\\SETUP\\README.TXT");
    std::string text;
    runDialog("InfoHelp", InfoHelpDlgProc, [&](HWND viewer) {
      const platform::ui::Window* edit = windows_.child(viewer, 1);
      text = edit->text;
      EXPECT_EQ(edit->selectionStart, 0);
      EXPECT_EQ(edit->selectionEnd, 0);
      EXPECT_EQ(windows_.find(windows_.focus())->id, 10);
    });
    return text;
  }
};

TEST_F(ReadmeViewer, ShowsAtMostTheFirst100000Bytes) {
  const std::string exact(100000, 'r');
  EXPECT_EQ(shown(exact), exact);
  EXPECT_EQ(shown(exact + "X"), exact);
  EXPECT_EQ(shown("line one\r\nline two\r\n"), "line one\r\nline two\r\n");
}

TEST_F(ReadmeViewer, EndsAtAZeroByte) {
  EXPECT_EQ(shown(std::string("before\0after", 12)), "before");
  EXPECT_EQ(shown(""), "");
}

TEST_F(ReadmeViewer, NoReadmeGivesAnEmptyViewer) {
  setupState.readmePath[0] = '\0';
  std::string text = "unset";
  runDialog("InfoHelp", InfoHelpDlgProc,
            [&](HWND viewer) { text = windows_.child(viewer, 1)->text; });
  EXPECT_EQ(text, "");
}

}  // namespace
