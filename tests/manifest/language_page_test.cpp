// What the language page builds that a script cannot see: group boxes, the
// check boxes' fonts, and a manifest with more languages than it offers.
#include "manifest/language_page.h"

#include <gtest/gtest.h>

#include "platform/ui/window_system.h"
#include "tests/support/program_fixture.h"

namespace {

using platform::ui::Rect;
using platform::ui::Window;

class LanguagePageTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    drive('c');
    drive('d');
    folder("c:\\WINDOWS");
    file("d:\\SETUP\\Setup.EXE");
    machineIni("[drives]\nd=cdrom\n[system]\nprogram=d:\\SETUP\\Setup.EXE\n");
  }
  void languages(int count) {
    std::string text = "[LANGLIST]\n";
    for (int n = 1; n <= count; ++n) {
      text += "LANGUAGE" + std::to_string(n) + "=L" + std::to_string(n) + "\n";
    }
    for (int n = 1; n <= count; ++n) {
      text += "[L" + std::to_string(n) + "]\nDISPLAYNAME=Language " + std::to_string(n) + "\n";
    }
    file("d:\\SETUP\\ISCII.INI", text);
    boot();
  }
  std::vector<Rect> groupBoxes(HWND dialog) {
    std::vector<Rect> boxes;
    for (HWND handle : windows_.find(dialog)->children) {
      const Window* control = windows_.find(handle);
      if (control->isGroupBox()) boxes.push_back(control->rect);
    }
    return boxes;
  }
};

std::vector<int> Flat(const std::vector<Rect>& rects) {
  std::vector<int> numbers;
  for (const Rect& rect : rects)
    numbers.insert(numbers.end(), {rect.x, rect.y, rect.width, rect.height});
  return numbers;
}

TEST_F(LanguagePageTest, AGroupBoxAroundEachColumn) {
  const struct {
    int languages;
    std::vector<int> boxes;
  } kRows[] = {
      {0, {20, 15, 194, 191}},
      {7, {20, 15, 194, 191}},
      {8, {20, 15, 194, 191, 220, 15, 193, 191}},
      {15, {20, 15, 194, 191, 220, 15, 193, 191, 420, 15, 193, 191}},
  };
  for (const auto& row : kRows) {
    languages(row.languages);
    runDialog("SelectLangs", SelectLangsDlgProc, [&](HWND dialog) {
      EXPECT_EQ(Flat(groupBoxes(dialog)), row.boxes) << row.languages;
    });
  }
}

TEST_F(LanguagePageTest, EachCheckBoxHasAFontOfItsOwnReleasedWithThePage) {
  languages(3);
  runDialog("SelectLangs", SelectLangsDlgProc, [&](HWND dialog) {
    HFONT first = windows_.child(dialog, 12)->font;
    HFONT second = windows_.child(dialog, 13)->font;
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    const platform::ui::FontInfo* font = windows_.fonts().find(first);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->height, 15);
    EXPECT_EQ(font->width, 5);
    EXPECT_EQ(font->weight, FW_NORMAL);
    EXPECT_EQ(font->charSet, DWORD(DEFAULT_CHARSET));
    EXPECT_EQ(font->face, "Ms Sans Serif");
    // The title, the group boxes and the buttons keep the default font.
    EXPECT_EQ(windows_.child(dialog, 0)->font, nullptr);
    EXPECT_EQ(windows_.child(dialog, 100)->font, nullptr);
  });
  EXPECT_EQ(windows_.fonts().count(), 0u);
}

TEST_F(LanguagePageTest, EightyNineLanguagesOfferTheFirst88) {
  languages(89);
  runDialog("SelectLangs", SelectLangsDlgProc, [&](HWND dialog) {
    EXPECT_EQ(windows_.child(dialog, 99)->text, "Language 88");
    EXPECT_EQ(windows_.child(dialog, 100)->text, "&Ok");
    EXPECT_TRUE(windows_.child(dialog, 100)->isPushButton());
    EXPECT_EQ(groupBoxes(dialog).size(), 13u);
    RECT rect;
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(rect.right - rect.left, 13 * 225);
  });
}

}  // namespace
