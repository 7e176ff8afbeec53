// The controls' own messages: list boxes, edit selections, check boxes and
// text copied into buffers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ui_fixture.h"

namespace {

class Controls : public testing_support::UiTest {
 protected:
  HWND make(const char* className, DWORD style, int id = 1) {
    if (!parent_) {
      parent_ = CreateWindowExA(0, "#32770", "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
    }
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20, parent_,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  }
  std::vector<std::string> items(HWND list) {
    std::vector<std::string> result;
    int count = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64];
      SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
      result.push_back(text);
    }
    return result;
  }
  HWND parent_ = nullptr;
};

struct SortCase {
  std::vector<std::string> added;
  std::vector<std::string> shown;
};

TEST_F(Controls, SortedListFoldsLettersThenComparesBytes) {
  const SortCase kCases[] = {
      {{"b", "A", "c"}, {"A", "b", "c"}},
      {{"c:\\Z", "c:\\a", "c:\\_x"}, {"c:\\_x", "c:\\a", "c:\\Z"}},  // Z folds to z, after _
      {{"abc", "ab", "ABC"}, {"ab", "abc", "ABC"}},                  // equal ones in added order
      {{"\xE9t\xE9", "zoo"}, {"zoo", "\xE9t\xE9"}},                  // high bytes after ASCII
  };
  for (const SortCase& sorted : kCases) {
    HWND list = make("LISTBOX", LBS_SORT);
    for (const std::string& item : sorted.added) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    EXPECT_EQ(items(list), sorted.shown);
  }
  HWND plain = make("LISTBOX", 0);
  for (const char* item : {"b", "a"}) {
    SendMessageA(plain, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  EXPECT_EQ(items(plain), (std::vector<std::string>{"b", "a"}));
}

TEST_F(Controls, ListSelectionAndItsErrors) {
  HWND list = make("LISTBOX", LBS_SORT);
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 0, 0), LB_ERR);  // empty: nothing selected
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("m"));
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 0, 0), 0);
  // An item sorted in before the selection moves the selection with its item.
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a")), 0);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 1, 0), 1);
  EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 2, 0), LB_ERR);
  char text[8] = "x";
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(text)), LB_ERR);
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, WPARAM(-1), 0), LB_ERR);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
}

struct CopyCase {
  int size;
  UINT count;
  const char* copied;
};

TEST_F(Controls, TextCopiesAtMostSizeMinusOneAndTerminates) {
  HWND edit = make("EDIT", 0, 4);
  SetDlgItemTextA(parent_, 4, "abcdef");
  const CopyCase kCases[] = {{7, 6, "abcdef"}, {10, 6, "abcdef"}, {6, 5, "abcde"}, {1, 0, ""}};
  for (const CopyCase& copy : kCases) {
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(GetDlgItemTextA(parent_, 4, buffer, copy.size), copy.count) << copy.size;
    EXPECT_STREQ(buffer, copy.copied) << copy.size;
  }
  char untouched[4] = "zz";
  EXPECT_EQ(GetDlgItemTextA(parent_, 4, untouched, 0), 0u);
  EXPECT_STREQ(untouched, "zz");
  EXPECT_EQ(GetWindowTextA(edit, untouched, 3), 2);
  EXPECT_STREQ(untouched, "ab");
  char none[4] = "zz";
  EXPECT_EQ(GetDlgItemTextA(parent_, 99, none, 4), 0u);  // no such control: empty text
  EXPECT_STREQ(none, "");
}

TEST_F(Controls, EditSelectionIsClampedAndOrdered) {
  HWND edit = make("EDIT", ES_MULTILINE, 1);
  SetWindowTextA(edit, "hello");
  DWORD start = 9, end = 9;
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  SendMessageA(edit, EM_SETSEL, 4, 1);
  EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELONG(1, 4));
  SendMessageA(edit, EM_SETSEL, WPARAM(-1), 0);  // deselects, the caret stays
  EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELONG(4, 4));
  SendMessageA(edit, EM_SETSEL, 0, 1);
  SendMessageA(edit, EM_SETSEL, 0, 0);
  EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELONG(0, 0));
}

TEST_F(Controls, CheckStateBelongsToCheckBoxesOnly) {
  HWND box = make("BUTTON", BS_AUTOCHECKBOX, 12);
  HWND push = make("BUTTON", BS_PUSHBUTTON, 10);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 12), 0u);
  CheckDlgButton(parent_, 12, BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 12), 1u);
  SendMessageA(box, BM_CLICK, 0, 0);  // an automatic check box turns its own mark over
  EXPECT_EQ(IsDlgButtonChecked(parent_, 12), 0u);
  CheckDlgButton(parent_, 10, BST_CHECKED);
  EXPECT_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), 0);
  EXPECT_FALSE(CheckDlgButton(parent_, 99, BST_CHECKED));
}

TEST_F(Controls, FontsAreRecordedAndKeptByTheControl) {
  HWND box = make("BUTTON", BS_AUTOCHECKBOX, 12);
  HFONT font =
      CreateFontA(15, 5, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, "Ms Sans Serif");
  ASSERT_NE(font, nullptr);
  SendDlgItemMessageA(parent_, 12, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), font);
  const platform::ui::FontInfo* info = windows_.fonts().find(font);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->height, 15);
  EXPECT_EQ(info->face, "Ms Sans Serif");
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_FALSE(DeleteObject(font));
}

}  // namespace
