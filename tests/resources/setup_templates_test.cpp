// Every template of resources/setup.rc, control by control, as the program's
// dialogs need them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/ui/rc_reader.h"

namespace {

using platform::ui::ControlTemplate;
using platform::ui::DialogTemplate;

std::string ReadSource(const std::string& name) {
  std::ifstream in(std::string(SETUP_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ExpectedDialog {
  const char* requestedAs;
  const char* name;
  const char* caption;
  int width, height, fontSize;
  DWORD style;
  std::vector<ControlTemplate> controls;
};

ControlTemplate C(const char* className, int id, const char* text, int x, int y, int width,
                  int height, DWORD style) {
  ControlTemplate control;
  control.className = className;
  control.id = id & 0xFFFF;
  control.text = text;
  control.x = x, control.y = y, control.width = width, control.height = height;
  control.style = style;
  return control;
}

const char* const kHint =
    "Use browse to select your optional folder to install plugins or just select from the above "
    "list box and Click OK.";

const std::vector<ExpectedDialog> kDialogs = {
    {"MainDlg",
     "MAINDLG",
     "Setup for Plugins",
     66,
     23,
     14,
     0x00C80840,
     {C("STATIC", -1, "ZORV", 7, 7, 52, 9, 0x50020001)}},
    {"SelectLangs", "SELECTLANGS", "Browser Plugin Setup!", 150, 151, 8, 0x90C00840, {}},
    {"SelectBrowse",
     "SELECTBROWSE",
     "Browser Plugin Setup!",
     283,
     154,
     8,
     0x90C00840,
     {C("BUTTON", -1, "", 7, 7, 269, 118, 0x50000007),
      C("BUTTON", 10, "&Ok", 85, 131, 43, 15, 0x50010000),
      C("BUTTON", 11, "&Cancel", 149, 131, 43, 15, 0x50010000),
      C("STATIC", -1, "Select your browser/browsers", 34, 15, 199, 11, 0x50020001),
      C("BUTTON", 12, "Internet Explorer", 97, 60, 122, 11, 0x50010003),
      C("BUTTON", 13, "Netscape Navigator", 96, 83, 122, 11, 0x50010003)}},
    {"Searching",
     "SEARCHING",
     "Browser Plugin Setup!",
     283,
     90,
     8,
     0x90C00840,
     {C("BUTTON", -1, "", 7, 7, 269, 73, 0x50000007),
      C("STATIC", 1, "Searching for Internet Explorer Components.....", 13, 14, 199, 11,
        0x50020000),
      C("STATIC", 2, "Static", 18, 51, 244, 13, 0x50020000)}},
    {"SearchCommon",
     "SEARCHCOMMON",
     "Browser Plugin Setup!",
     267,
     173,
     8,
     0x90C00840,
     {C("BUTTON", -1, "", 7, 7, 246, 117, 0x50000007),
      C("BUTTON", 10, "&Ok", 70, 150, 43, 15, 0x50010000),
      C("BUTTON", 11, "&Cancel", 134, 150, 43, 15, 0x50010000),
      C("STATIC", 1, "Availble dirs", 41, 15, 159, 11, 0x50020001),
      C("LISTBOX", 2, "", 18, 36, 169, 59, 0x50A10103),
      C("BUTTON", 3, "&Browse", 198, 79, 39, 16, 0x50010000),
      C("STATIC", -1, "Destination Path :", 13, 104, 60, 11, 0x50020000),
      C("EDIT", 4, "", 78, 103, 108, 12, 0x50800080),
      C("STATIC", -1, kHint, 7, 128, 244, 18, 0x50020000)}},
    {"InstallFiles",
     "INSTALLFILES",
     "Browser Plugin Setup!",
     283,
     90,
     8,
     0x90C00840,
     {C("BUTTON", -1, "", 7, 7, 269, 73, 0x50000007),
      C("STATIC", 3, "Installing files...", 13, 14, 199, 11, 0x50020000),
      C("STATIC", 1, "Static", 57, 36, 175, 13, 0x50020000),
      C("STATIC", 2, "Static", 57, 56, 178, 13, 0x50020000),
      C("STATIC", -1, "Source :", 15, 36, 37, 14, 0x50020002),
      C("STATIC", -1, "Destination :", 13, 55, 39, 14, 0x50020002)}},
    {"InfoHelp",
     "INFOHELP",
     "Browser Plugin Setup! - ReadME Please!",
     400,
     210,
     8,
     0x90C00840,
     {C("BUTTON", -1, "", 7, 7, 386, 176, 0x50000007),
      C("BUTTON", 10, "&Ok", 170, 187, 52, 16, 0x50010001),
      C("EDIT", 1, "", 7, 13, 386, 169, 0x50B110C4)}},
};

TEST(SetupTemplates, EveryTemplateAndControlIsAsTheDialogsNeedIt) {
  platform::ui::ResourceTable table;
  std::string error;
  ASSERT_TRUE(platform::ui::ReadResourceScript(
      {{"setup.rc", ReadSource("setup.rc")}, {"control_ids.h", ReadSource("control_ids.h")}},
      "setup.rc", table, error))
      << error;
  ASSERT_EQ(table.dialogs().size(), kDialogs.size());
  for (const ExpectedDialog& expected : kDialogs) {
    SCOPED_TRACE(expected.name);
    const DialogTemplate* dialog = table.findDialog(expected.requestedAs);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->name, expected.name);
    EXPECT_EQ(dialog->language, 1033);
    EXPECT_EQ(dialog->caption, expected.caption);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->width, expected.width);
    EXPECT_EQ(dialog->height, expected.height);
    EXPECT_EQ(dialog->fontSize, expected.fontSize);
    EXPECT_EQ(dialog->fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog->style, expected.style);
    EXPECT_EQ(dialog->exStyle, 0u);
    ASSERT_EQ(dialog->controls.size(), expected.controls.size());
    for (size_t i = 0; i < expected.controls.size(); ++i) {
      const ControlTemplate& want = expected.controls[i];
      const ControlTemplate& got = dialog->controls[i];
      SCOPED_TRACE("control " + std::to_string(i + 1));
      EXPECT_EQ(got.className, want.className);
      EXPECT_EQ(got.id, want.id);
      EXPECT_EQ(got.text, want.text);
      EXPECT_EQ(got.style, want.style);
      EXPECT_EQ(got.exStyle, 0u);
      EXPECT_EQ((std::vector<int>{got.x, got.y, got.width, got.height}),
                (std::vector<int>{want.x, want.y, want.width, want.height}));
    }
  }
  ASSERT_EQ(table.icons().size(), 1u);
  EXPECT_EQ(table.icons()[0].name, "1");
  EXPECT_EQ(table.icons()[0].language, 1033);
}

}  // namespace
