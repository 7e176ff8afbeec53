// "explorer.exe FOLDER": the shell's folder window, found by its title and
// closed with WM_CLOSE.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/automation/transcript.h"
#include "platform/runtime.h"
#include "tests/support/program_fixture.h"

namespace {

class FolderWindow : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    drive('c');
    file("c:\\WINDOWS\\Fonts\\b.ttf");
    file("c:\\WINDOWS\\Fonts\\A.TTF");
    boot();
    ASSERT_TRUE(transcript_.open((root_ / "transcript.txt").string()));
    platform::TheRuntime().transcript = &transcript_;
  }
  void TearDown() override { platform::TheRuntime().transcript = nullptr; }

  platform::automation::Transcript transcript_;
};

TEST_F(FolderWindow, OpensTitledWithTheFolderAndClosesOnWmClose) {
  EXPECT_GT(reinterpret_cast<uintptr_t>(ShellExecuteA(
                nullptr, nullptr, "explorer.exe", "C:\\WINDOWS\\Fonts", nullptr, SW_SHOWNORMAL)),
            32u);
  HWND fonts = FindWindowExA(nullptr, nullptr, nullptr, "fonts");
  ASSERT_NE(fonts, nullptr);
  EXPECT_EQ(windows_.active(), fonts);
  EXPECT_EQ(windows_.find(fonts)->text, "Fonts");
  EXPECT_EQ(windows_.child(fonts, 1)->items, (std::vector<std::string>{"A.TTF", "b.ttf"}));
  SendMessageA(fonts, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(fonts));
  // A folder that does not exist opens nothing; other programs have no association.
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ShellExecuteA(nullptr, nullptr, "explorer.exe", "c:\\NONE",
                                                      nullptr, SW_SHOWNORMAL)),
            2u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(ShellExecuteA(nullptr, nullptr, "notepad.exe", "c:\\x.txt",
                                                      nullptr, SW_SHOWNORMAL)),
            31u);
  EXPECT_EQ(FindWindowExA(nullptr, nullptr, nullptr, "NONE"), nullptr);
  std::ifstream in(root_ / "transcript.txt");
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "shell \"explorer.exe\" \"C:\\\\WINDOWS\\\\Fonts\"\n"
            "window-close \"Fonts\"\n"
            "shell \"explorer.exe\" \"c:\\\\NONE\"\n"
            "shell \"notepad.exe\" \"c:\\\\x.txt\"\n");
}

}  // namespace
