// The dialog manager's rules, one row each: a template, what the user does,
// and the messages the dialog procedure receives.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/ui/window_system.h"
#include "tests/support/ui_fixture.h"

namespace {

constexpr const char* kTemplates = R"rc(
PLAIN DIALOG 0, 0, 200, 100
STYLE 0x90C00840
CAPTION "Plain"
FONT 8, "MS Sans Serif"
BEGIN
  CONTROL "", -1, "BUTTON", 0x50000007, 2, 2, 196, 96
  CONTROL "&Ok", 10, "BUTTON", 0x50010000, 10, 80, 40, 14
  CONTROL "Label &here", -1, "STATIC", 0x50020000, 10, 10, 60, 10
  CONTROL "&Tick", 12, "BUTTON", 0x50010003, 10, 24, 60, 10
  CONTROL "Off", 13, "BUTTON", 0x58010000, 10, 36, 60, 10
  CONTROL "", 4, "EDIT", 0x50810080, 10, 50, 80, 12
  CONTROL "Hidden", 14, "BUTTON", NOT 0x10000000 | 0x00010000, 100, 10, 40, 14
  CONTROL "&Cancel", 11, "BUTTON", 0x50010000, 60, 80, 40, 14
END

WITHDEFAULT DIALOG 0, 0, 200, 100
STYLE 0x90C00840
CAPTION "With default"
FONT 8, "MS Sans Serif"
BEGIN
  CONTROL "&Tick", 12, "BUTTON", 0x50010003, 10, 24, 60, 10
  CONTROL "&Go", 20, "BUTTON", 0x50010000, 10, 80, 40, 14
  CONTROL "&Done", 21, "BUTTON", 0x50010001, 60, 80, 40, 14
  CONTROL "", 5, "EDIT", 0x50B110C4, 10, 40, 100, 30
END

CLOSABLE DIALOG 0, 0, 100, 50
STYLE 0x90C80840
CAPTION "Closable"
FONT 8, "MS Sans Serif"
BEGIN
  CONTROL "&Ok", 10, "BUTTON", 0x50010000, 10, 30, 40, 14
END
)rc";

std::vector<std::string> events;
bool initReturns = true;

INT_PTR CALLBACK RecordingProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      events.push_back("init");
      return initReturns;
    case WM_COMMAND:
      events.push_back("command " + std::to_string(LOWORD(wParam)) + " " +
                       std::to_string(HIWORD(wParam)));
      return FALSE;
    case WM_TIMER:
      events.push_back("timer " + std::to_string(wParam));
      return FALSE;
    default:
      return FALSE;
  }
}

struct Rule {
  const char* rule;
  const char* dialog;
  const char* script;                 // expectations and actions in the automation language
  std::vector<std::string> commands;  // what the procedure receives after "init"
};

const Rule kRules[] = {
    {"WM_INITDIALOG returning TRUE focuses the first visible, enabled tab stop",
     "PLAIN",
     "expect-focus 10",
     {}},
    {"Tab moves forward over enabled, visible tab stops and wraps",
     "PLAIN",
     "key tab\nexpect-focus 12\nkey tab\nexpect-focus 4\nkey tab\nexpect-focus 11\n"
     "key tab\nexpect-focus 10",
     {}},
    {"Shift+Tab moves back and wraps",
     "PLAIN",
     "key shift-tab\nexpect-focus 11\nkey shift-tab\nexpect-focus 4",
     {}},
    {"Tab into an edit control selects its text",
     "PLAIN",
     "type 4 \"abc\"\nkey tab\nkey shift-tab\nexpect-focus 4\ntype 4 \"x\"\nexpect-text 4 \"x\"",
     {"command 4 768", "command 4 768", "command 4 768", "command 4 768"}},
    {"Space clicks the focused check box, which turns its mark over first",
     "PLAIN",
     "key tab\nkey space\nexpect-checked 12 1",
     {"command 12 0"}},
    {"Space clicks the focused push button", "PLAIN", "key space", {"command 10 0"}},
    {"Enter clicks the focused push button",
     "PLAIN",
     "key tab\nkey shift-tab\nkey enter",
     {"command 10 0"}},
    {"Enter elsewhere without a default push button sends IDOK",
     "PLAIN",
     "key tab\nkey enter\nexpect-checked 12 0",
     {"command 1 0"}},
    {"Enter elsewhere sends the default push button's identifier",
     "WITHDEFAULT",
     "expect-focus 12\nkey enter",
     {"command 21 0"}},
    {"Enter on a focused push button beats the default one",
     "WITHDEFAULT",
     "key tab\nexpect-focus 20\nkey enter",
     {"command 20 0"}},
    {"Enter in a multi-line ES_WANTRETURN edit is a new line",
     "WITHDEFAULT",
     "type 5 \"a\"\nkey enter\nexpect-text 5 \"a\\r\\n\"",
     {"command 5 768", "command 5 768"}},
    {"Escape sends IDCANCEL with notification 0", "PLAIN", "key escape", {"command 2 0"}},
    {"A mnemonic clicks its button", "PLAIN", "key alt-c\nexpect-focus 11", {"command 11 0"}},
    {"A mnemonic of a check box clicks it",
     "PLAIN",
     "key alt-T\nexpect-checked 12 1",
     {"command 12 0"}},
    {"A label's mnemonic moves the focus to the next tab stop",
     "PLAIN",
     "key alt-h\nexpect-focus 12",
     {}},
    {"A click on a disabled control does nothing", "PLAIN", "click 13\nexpect-focus 10", {}},
    {"The close box sends WM_CLOSE, which becomes IDCANCEL", "CLOSABLE", "close", {"command 2 0"}},
};

class DialogManager : public testing_support::UiTest, public ::testing::WithParamInterface<Rule> {};

TEST_P(DialogManager, Rule) {
  const Rule& rule = GetParam();
  loadTemplates(kTemplates);
  events.clear();
  initReturns = true;
  user_.setLines(rule.script);
  INT_PTR result = DialogBoxParamA(nullptr, rule.dialog, nullptr, RecordingProc, 0);
  EXPECT_EQ(result, -2);  // ended by the user once the lines ran out
  std::vector<std::string> expected = {"init"};
  expected.insert(expected.end(), rule.commands.begin(), rule.commands.end());
  EXPECT_EQ(events, expected) << rule.rule;
}

// "Tab moves forward ..." becomes Tab_moves_forward_...
std::string TestName(const char* text) {
  std::string name;
  for (const char* c = text; *c; ++c)
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Rules, DialogManager, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return TestName(info.param.rule); });

class DialogBox : public testing_support::UiTest {
 protected:
  void SetUp() override {
    loadTemplates(kTemplates);
    events.clear();
    initReturns = true;
  }
};

TEST_F(DialogBox, FindsTemplatesWithoutRegardToCaseAndFailsWithMinusOne) {
  user_.setLines("dialog PLAIN");
  EXPECT_EQ(DialogBoxParamA(nullptr, "pLaIn", nullptr, RecordingProc, 0), -2);
  EXPECT_EQ(DialogBoxParamA(nullptr, "MISSING", nullptr, RecordingProc, 0), -1);
  windows_.setDeniedTemplates({"plain"});
  EXPECT_EQ(DialogBoxParamA(nullptr, "PLAIN", nullptr, RecordingProc, 0), -1);
}

TEST_F(DialogBox, ConvertsDialogUnitsAndCentres) {
  // 200 x 100 units of 8 pt: 300 x 163 pixels of client area, framed 306 x 187.
  user_.setLines("expect-window 247 206 306 187\nexpect-rect 10 15 130 60 23");
  DialogBoxParamA(nullptr, "PLAIN", nullptr, RecordingProc, 0);
}

TEST_F(DialogBox, FocusIsLeftAloneWhenInitDialogReturnsFalse) {
  initReturns = false;
  HWND focused = reinterpret_cast<HWND>(1);
  struct Probe final : platform::ui::InputSource {
    HWND* seen;
    void onIdle() override {
      *seen = GetFocus();
      EndDialog(platform::ui::Windows().active(), 0);
    }
  } probe;
  probe.seen = &focused;
  windows_.setInput(&probe);
  DialogBoxParamA(nullptr, "PLAIN", nullptr, RecordingProc, 0);
  EXPECT_EQ(GetDlgCtrlID(focused), 0);
}

// The owner is disabled while its dialog runs, and enabled again, with the
// dialog destroyed, before the call returns. A dialog opened from a handler
// runs its own loop, and the outer dialog still gets its posted messages.
HWND outerDialog = nullptr;
HWND innerDialog = nullptr;
bool ownerEnabledInside = true;

INT_PTR CALLBACK InnerProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    innerDialog = window;
    PostMessageA(outerDialog, WM_COMMAND, 77, 0);
  }
  if (message == WM_COMMAND && LOWORD(wParam) == 20) {
    ownerEnabledInside = IsWindowEnabled(outerDialog);
  }
  return FALSE;
}

INT_PTR CALLBACK OuterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR recorded = RecordingProc(window, message, wParam, lParam);
  if (message == WM_INITDIALOG) {
    outerDialog = window;
    SetTimer(window, 5, 10, nullptr);
  }
  if (message == WM_TIMER) {
    KillTimer(window, 5);
    INT_PTR result = DialogBoxParamA(nullptr, "WITHDEFAULT", window, InnerProc, 0);
    events.push_back("inner ended " + std::to_string(result));
    events.push_back(IsWindow(innerDialog) ? "inner alive" : "inner destroyed");
    events.push_back(IsWindowEnabled(window) ? "owner enabled" : "owner disabled");
  }
  return recorded;
}

TEST_F(DialogBox, NestedModalLoopsDisableAndRestoreTheOwner) {
  user_.setLines("dialog WITHDEFAULT\nclick 20");  // then the inner, then the outer ends
  DialogBoxParamA(nullptr, "PLAIN", nullptr, OuterProc, 0);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_EQ(events, (std::vector<std::string>{"init", "timer 5", "command 77 0", "inner ended -2",
                                              "inner destroyed", "owner enabled"}));
  EXPECT_FALSE(IsWindow(outerDialog));
}

INT_PTR CALLBACK EndsAtOnce(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) EndDialog(window, 42);
  return FALSE;
}

TEST_F(DialogBox, EndDialogDuringInitialisationNeverShowsTheDialog) {
  struct Never final : platform::ui::InputSource {
    void onIdle() override { ADD_FAILURE() << "the dialog waited for the user"; }
  } never;
  windows_.setInput(&never);
  EXPECT_EQ(DialogBoxParamA(nullptr, "PLAIN", nullptr, EndsAtOnce, 0), 42);
}

// Timers fire every period until killed, and only when no posted message waits.
int ticks = 0;
INT_PTR CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetTimer(window, 1, 50, nullptr);
    PostMessageA(window, WM_COMMAND, 1000, 0);
    PostMessageA(window, WM_COMMAND, 1001, 0);
  }
  if (message == WM_TIMER && ++ticks == 3) {
    KillTimer(window, 1);
    EndDialog(window, 3);
  }
  return RecordingProc(window, message, wParam, lParam);
}

TEST_F(DialogBox, TimersRepeatAndWaitForPostedMessages) {
  ticks = 0;
  EXPECT_EQ(DialogBoxParamA(nullptr, "PLAIN", nullptr, TimerProc, 0), 3);
  EXPECT_EQ(events, (std::vector<std::string>{"init", "command 1000 0", "command 1001 0", "timer 1",
                                              "timer 1", "timer 1"}));
  EXPECT_EQ(display_.now(), 150u);
}

struct BoxCase {
  const char* name;
  UINT type;
  const char* script;
  int result;
};

const BoxCase kBoxes[] = {
    {"yes", MB_YESNO | MB_ICONQUESTION, "expect-icon question\nexpect-focus 6\nanswer yes", IDYES},
    {"no", MB_YESNO, "expect-icon none\nanswer no", IDNO},
    {"escape and close do nothing on Yes/No", MB_YESNO,
     "key escape\nclose\nmessagebox \"Caption\" \"Text\"\nkey alt-n", IDNO},
    {"escape means OK", MB_OK | MB_ICONINFORMATION, "expect-icon information\nkey escape", IDOK},
    {"close means OK", MB_OK | MB_ICONEXCLAMATION, "expect-icon exclamation\nclose", IDOK},
    {"enter clicks the focused button", MB_YESNO, "key tab\nkey enter", IDNO},
};

class MessageBoxCases : public testing_support::UiTest,
                        public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxCases, Answers) {
  const BoxCase& box = GetParam();
  user_.setLines(std::string("messagebox \"Caption\" \"Text\"\n") + box.script);
  EXPECT_EQ(MessageBoxA(nullptr, "Text", "Caption", box.type), box.result) << box.name;
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxCases, ::testing::ValuesIn(kBoxes),
                         [](const auto& info) { return TestName(info.param.name); });

}  // namespace
