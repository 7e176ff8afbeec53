// The resource script reader: what it takes from a script, and how it reports
// what it cannot read.
#include "platform/ui/rc_reader.h"

#include <gtest/gtest.h>

namespace {

using platform::ui::ReadResourceScript;
using platform::ui::ResourceTable;

TEST(RcReader, ReadsDialogsWithIncludesDefinesAndStyles) {
  const std::string header =
      "#pragma once\n#define IDC_GO 10\n#define IDC_NONE (-1)\n#define ICO 1\n";
  const std::string script = R"(/* a comment */
#include "ids.h"
LANGUAGE 9, 1
ICO ICON "app.ico"
Sample DIALOG 5, 6, 100, 50
STYLE 0x80000000 | 0x00C00000
CAPTION "Say ""hi"""  // the caption brings WS_CAPTION, the font DS_SETFONT
FONT 8, "MS Sans Serif"
{
  CONTROL "&Go", IDC_GO, "BUTTON", 0x00010000, 1, 2, 3, 4
  CONTROL "x", IDC_NONE, "STATIC", NOT 0x10000000, 5, 6, 7, 8, 0x200
}
)";
  ResourceTable table;
  std::string error;
  ASSERT_TRUE(ReadResourceScript({{"main.rc", script}, {"ids.h", header}}, "main.rc", table, error))
      << error;
  ASSERT_EQ(table.icons().size(), 1u);
  EXPECT_EQ(table.icons()[0].name, "1");
  EXPECT_EQ(table.icons()[0].file, "app.ico");
  const auto* dialog = table.findDialog("SAMPLE");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->language, 1033);
  EXPECT_EQ(dialog->caption, "Say \"hi\"");
  EXPECT_EQ(dialog->style, 0x80C00040u);
  EXPECT_EQ(dialog->x, 5);
  EXPECT_EQ(dialog->height, 50);
  ASSERT_EQ(dialog->controls.size(), 2u);
  EXPECT_EQ(dialog->controls[0].id, 10);
  EXPECT_EQ(dialog->controls[0].style, 0x50010000u);  // WS_CHILD | WS_VISIBLE added
  EXPECT_EQ(dialog->controls[1].id, 0xFFFF);
  EXPECT_EQ(dialog->controls[1].style, 0x40000000u);  // WS_VISIBLE taken out
  EXPECT_EQ(dialog->controls[1].exStyle, 0x200u);
}

struct BadScript {
  const char* text;
  const char* error;
};

const BadScript kBadScripts[] = {
    {"#include \"missing.h\"\n", "main.rc:1: cannot find missing.h"},
    {"#if 1\n", "main.rc:1: #if is not supported"},
    {"A DIALOG 0, 0, 1\n", "main.rc:1: expected ','"},
    {"A DIALOG 0, 0, 1, 1\nBEGIN\n  PUSHBUTTON \"x\", 1, 0, 0, 1, 1\nEND\n",
     "main.rc:3: expected CONTROL"},
    {"A DIALOG 0, 0, 1, 1\nBEGIN\n  CONTROL \"x\", NOPE, \"STATIC\", 0, 0, 0, 1, 1\nEND\n",
     "main.rc:3: unknown name NOPE"},
    {"A DIALOG 0, 0, 1, 1\nBEGIN\n", "main.rc:2: missing END of dialog A"},
    {"A DIALOG 0, 0, 1, 1\nCAPTION \"open\n", "main.rc:2: unterminated string"},
    {"A MENU\n", "main.rc:1: expected DIALOG or ICON after A"},
    {"A DIALOG 0, 0, 1, 1 @\n", "main.rc:1: unexpected character '@'"},
};

TEST(RcReader, ReportsTheFileAndLineOfWhatItCannotRead) {
  for (const BadScript& bad : kBadScripts) {
    ResourceTable table;
    std::string error;
    EXPECT_FALSE(ReadResourceScript({{"main.rc", bad.text}}, "main.rc", table, error)) << bad.text;
    EXPECT_EQ(error, bad.error) << bad.text;
  }
}

}  // namespace
