// Plays an automation script over a Win32 program's real windows, from
// outside its process: win32_player RESOURCES_DIR SCRIPT PROGRAM
// Each expectation waits until it holds, at most 10 s; the exit code is the
// program's, 125 when a line fails and 124 when the script ends while the
// program still waits for the user.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/automation/script.h"
#include "platform/automation/transcript.h"
#include "platform/profile/profile_document.h"
#include "platform/ui/rc_reader.h"
#include "tests/wine/geometry.h"
#include "tests/wine/remote_tree.h"
#include "tests/wine/remote_windows.h"

namespace wine_player {
namespace {

constexpr DWORD kPatience = 10000;  // ms an expectation may take to come true
// ms a window may take to come up: the program may work long before it (the
// search, the installation), and longest the first time in a new prefix.
constexpr DWORD kWindowPatience = 90000;
constexpr DWORD kPoll = 50;
constexpr DWORD kSettle = 3000;  // ms the program may take to end after the last line
constexpr DWORD kBusy = 120000;  // ms the program may work before it waits for the user

using platform::automation::Command;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Quoted(const std::string& text) {
  return platform::automation::Transcript::quote(text);
}

class Player {
 public:
  Player(PROCESS_INFORMATION process, const platform::ui::ResourceTable& templates)
      : process_(process), templates_(templates), windows_(process.dwProcessId, templates) {}

  // Runs the script; gives the exit code the player ends with.
  int play(platform::automation::Script& script);

 private:
  bool exited(DWORD& code) const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.hProcess, &code);
  }
  bool holds(const Command& command, std::string& expected, std::string& found);
  bool act(const Command& command, std::string& expected, std::string& found);
  HWND control(const std::string& reference, std::string& found);
  void pressKey(const std::string& word);

  PROCESS_INFORMATION process_;
  const platform::ui::ResourceTable& templates_;
  RemoteWindows windows_;
};

int Player::play(platform::automation::Script& script) {
  std::string error;
  while (std::optional<Command> command = script.next(error)) {
    // A line acts when the program waits for the user, as on the layer: not
    // while it works inside a message (the search, the installation).
    WaitForInputIdle(process_.hProcess, kBusy);
    DWORD code = 0;
    std::string expected, found;
    bool done = false;
    // A window the program is still working towards may take long; once the
    // program idles, the ordinary patience applies.
    bool awaitsWindow = command->verb == "dialog" || command->verb == "messagebox";
    for (DWORD waited = 0, idle = 0; !done; waited += kPoll) {
      if (exited(code)) return int(code);
      done = platform::automation::IsAction(*command) ? act(*command, expected, found)
                                                      : holds(*command, expected, found);
      if (done) break;
      idle = WaitForInputIdle(process_.hProcess, 0) == 0 ? idle + kPoll : 0;
      if (idle >= kPatience || waited >= (awaitsWindow ? kWindowPatience : kPatience)) {
        std::fprintf(stderr, "script line %d: expected %s, found %s\n", command->line,
                     expected.c_str(), found.c_str());
        TerminateProcess(process_.hProcess, 125);
        return 125;
      }
      Sleep(kPoll);
    }
  }
  if (WaitForSingleObject(process_.hProcess, kSettle) == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return int(code);
  }
  std::fprintf(stderr, "script ended while the program waits for the user (%s)\n",
               windows_.describe(windows_.active()).c_str());
  TerminateProcess(process_.hProcess, 124);
  return 124;
}

HWND Player::control(const std::string& reference, std::string& found) {
  size_t colon = reference.rfind(':');
  HWND dialog = colon == std::string::npos ? windows_.active()
                                           : windows_.dialogFrom(reference.substr(0, colon));
  int id = std::atoi(reference.substr(colon == std::string::npos ? 0 : colon + 1).c_str()) & 0xFFFF;
  HWND window = dialog ? GetDlgItem(dialog, id) : nullptr;
  if (!window) found = "no control " + reference + " in " + windows_.describe(windows_.active());
  return window;
}

// Takes the disk out of a drive: the folder the runner made for it (given in
// PLAYER_DRIVES as "d=FOLDER;...") moves aside, so that the drive is empty.
bool Eject(char drive) {
  char list[4096] = "";
  GetEnvironmentVariableA("PLAYER_DRIVES", list, sizeof list);
  std::stringstream entries(list);
  std::string entry;
  while (std::getline(entries, entry, ';')) {
    if (entry.size() < 3 || std::tolower(static_cast<unsigned char>(entry[0])) !=
                                std::tolower(static_cast<unsigned char>(drive))) {
      continue;
    }
    std::string folder = entry.substr(2);
    return MoveFileA(folder.c_str(), (folder + ".ejected").c_str());
  }
  return false;
}

// A list item's text. Across processes the text arrives as UTF-16, so it is
// asked for that way and turned back into the program's code page.
std::string ListItem(HWND list, int index) {
  wchar_t wide[1024] = L"";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(wide),
                      SMTO_ABORTIFHUNG, 2000, &length);
  char text[2048] = "";
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

// The rectangle of a line's X Y W H, from its argument `first` on.
RECT RectOf(const Command& command, size_t first) {
  const auto& args = command.arguments;
  auto at = [&](size_t i) { return std::atoi(args[first + i].text.c_str()); };
  return {at(0), at(1), at(0) + at(2), at(1) + at(3)};
}

std::string RectText(const RECT& rect) {
  return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top);
}

std::string Rest(const Command& command, size_t from) {
  std::string text;
  for (size_t i = from; i < command.arguments.size(); ++i) {
    text += (text.empty() ? "" : " ") + command.arguments[i].text;
  }
  return text;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
  if (_stricmp(ClassOf(child).c_str(), "Static") == 0 &&
      (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

// The message box's icon: its icon control's picture, one of the system's.
const char* IconName(HWND box) {
  HWND icon = nullptr;
  EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
  if (!icon) return "none";
  HICON shown = reinterpret_cast<HICON>(Ask(icon, STM_GETICON, 0, 0));
  if (shown == LoadIcon(nullptr, IDI_QUESTION)) return "question";
  if (shown == LoadIcon(nullptr, IDI_EXCLAMATION)) return "exclamation";
  if (shown == LoadIcon(nullptr, IDI_ASTERISK)) return "information";
  return "unknown";
}

bool Player::holds(const Command& command, std::string& expected, std::string& found) {
  const auto& args = command.arguments;
  HWND active = windows_.active();
  found = windows_.describe(active);
  if (command.verb == "dialog") {
    expected = "dialog " + args[0].text;
    return active && platform::profile::NamesEqual(windows_.templateOf(active), args[0].text);
  }
  if (command.verb == "messagebox") {
    expected = "messagebox " + Quoted(args[0].text) + " " + Quoted(args[1].text);
    return active && windows_.isMessageBox(active) && TextOf(active) == args[0].text &&
           MessageTextOf(active) == args[1].text;
  }
  if (command.verb == "expect-icon") {
    // A message box's icon handle belongs to its own process: when it is
    // none of the system's icons here, the icon is not checked from outside.
    expected = "icon " + args[0].text;
    const char* icon = active ? IconName(active) : "none";
    found = std::string("icon ") + icon;
    return found == expected || std::string(icon) == "unknown";
  }
  if (command.verb == "expect-window") {
    expected = "window centred as at " + Rest(command, 0) + " (its size is wine's)";
    RECT rect;
    if (!active || !GetWindowRect(active, &rect)) return false;
    found = "window at " + RectText(rect);
    return WindowCentreHolds(RectOf(command, 0), rect);
  }
  if (command.verb == "browser") {
    expected = "the folder browser";
    return active && TextOf(active) == "Browse for Folder";
  }
  HWND target = control(args[0].text, found);
  if (command.verb == "expect-focus") {
    expected = "focus on control " + args[0].text;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    found = "focus on control " + std::to_string(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
    return target && info.hwndFocus == target;
  }
  if (!target) return false;
  if (command.verb == "expect-text") {
    expected = "control " + args[0].text + " text " + Quoted(args[1].text);
    found = "text " + Quoted(TextOf(target));
    return TextOf(target) == args[1].text;
  }
  if (command.verb == "expect-checked") {
    expected = "control " + args[0].text + " checked " + args[1].text;
    LRESULT state = Ask(target, BM_GETCHECK, 0, 0);
    found = "checked " + std::to_string(state);
    return state == std::atoi(args[1].text.c_str());
  }
  if (command.verb == "expect-list") {
    std::string want, have;
    for (size_t i = 1; i < args.size(); ++i)
      want += (want.empty() ? "" : " ") + Quoted(args[i].text);
    int count = int(Ask(target, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      have += (have.empty() ? "" : " ") + Quoted(ListItem(target, i));
    }
    expected = "list " + (want.empty() ? "no items" : want);
    found = "list " + (have.empty() ? "no items" : have);
    return want == have;
  }
  if (command.verb == "expect-selected") {
    expected = "control " + args[0].text + " selected " + args[1].text;
    LRESULT selected = Ask(target, LB_GETCURSEL, 0, 0);
    found = "selected " + std::to_string(selected);
    return selected == std::atoi(args[1].text.c_str());
  }
  if (command.verb == "expect-rect") {
    expected = "control " + args[0].text + " at " + Rest(command, 1);
    RECT rect;
    GetWindowRect(target, &rect);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(GetParent(target), &corner);
    rect = {corner.x, corner.y, corner.x + rect.right - rect.left,
            corner.y + rect.bottom - rect.top};
    found = RectText(rect);
    std::string note;
    HWND parent = GetParent(target);
    bool holds = ControlRectHolds(templates_.findDialog(windows_.templateOf(parent)),
                                  GetDlgCtrlID(target), RectOf(command, 1), rect, note);
    expected += note;
    return holds;
  }
  expected = "a command that can be played from outside";
  found = command.verb;
  return false;
}

// Keys go in as the person's, to the program's window in front.
void Player::pressKey(const std::string& word) {
  std::vector<WORD> keys;
  if (word == "enter") keys = {VK_RETURN};
  if (word == "escape") keys = {VK_ESCAPE};
  if (word == "tab") keys = {VK_TAB};
  if (word == "shift-tab") keys = {VK_SHIFT, VK_TAB};
  if (word == "space") keys = {VK_SPACE};
  if (word.size() == 5 && word.compare(0, 4, "alt-") == 0) {
    keys = {VK_MENU, WORD(std::toupper(static_cast<unsigned char>(word[4])))};
  }
  SetForegroundWindow(windows_.active());
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool Player::act(const Command& command, std::string& expected, std::string& found) {
  const auto& args = command.arguments;
  HWND active = windows_.active();
  found = windows_.describe(active);
  if (command.verb == "screenshot") return true;
  if (command.verb == "key") {
    expected = "a key";
    if (!active) return false;
    pressKey(args[0].text);
    return true;
  }
  if (command.verb == "close") {
    expected = "a window with a close box";
    if (!active || !(GetWindowLongA(active, GWL_STYLE) & WS_SYSMENU)) return false;
    PostMessageA(active, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  if (command.verb == "answer") {
    expected = "a message box with the button " + args[0].text;
    int id = args[0].text == "yes" ? IDYES : args[0].text == "no" ? IDNO : IDOK;
    HWND button = active && windows_.isMessageBox(active) ? GetDlgItem(active, id) : nullptr;
    if (!button) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
  }
  if (command.verb == "browse") {
    expected = "the folder browser";
    if (!active || TextOf(active) != "Browse for Folder") return false;
    if (!args[0].quoted) {
      if (args[0].text != "cancel") return false;
      PostMessageA(GetDlgItem(active, IDCANCEL), BM_CLICK, 0, 0);
      return true;
    }
    expected = "a folder " + Quoted(args[0].text) + " in the folder browser";
    std::string detail;
    if (!SelectFolder(process_.hProcess, active, args[0].text, detail)) {
      found = "no such folder (" + detail + ")";
      return false;
    }
    PostMessageA(GetDlgItem(active, IDOK), BM_CLICK, 0, 0);
    return true;
  }
  if (command.verb == "eject") {
    expected = "a drive letter with a drive";
    found = args[0].text;
    return args[0].text.size() == 1 && Eject(args[0].text[0]);
  }
  expected = "control " + args[0].text;
  HWND target = control(args[0].text, found);
  if (!target) return false;
  std::string kind = ClassOf(target);
  if (command.verb == "click") {
    if (_stricmp(kind.c_str(), "Button") == 0) {
      PostMessageA(target, BM_CLICK, 0, 0);
    } else {
      PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    return true;
  }
  if (command.verb == "select") {
    int index = std::atoi(args[1].text.c_str());
    if (index < 0 || index >= int(Ask(target, LB_GETCOUNT, 0, 0))) return false;
    Ask(target, LB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(GetParent(target), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(target));
    return true;
  }
  if (command.verb == "type") {
    // A click into the box first, as the layer's typing does; the caret ends
    // after the text.
    Ask(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    Ask(target, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Ask(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1].text.c_str()));
    WPARAM end = WPARAM(args[1].text.size());
    Ask(target, EM_SETSEL, end, LPARAM(end));
    return true;
  }
  return false;
}

}  // namespace
}  // namespace wine_player

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: win32_player RESOURCES_DIR SCRIPT PROGRAM\n");
    return 2;
  }
  std::string resources = argv[1];
  platform::ui::ResourceTable templates;
  std::string error;
  if (!platform::ui::ReadResourceScript(
          {{"setup.rc", wine_player::ReadFile(resources + "\\setup.rc")},
           {"control_ids.h", wine_player::ReadFile(resources + "\\control_ids.h")}},
          "setup.rc", templates, error)) {
    std::fprintf(stderr, "win32_player: %s\n", error.c_str());
    return 2;
  }
  platform::automation::Script script;
  if (!script.open(argv[2], error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 125;
  }
  // The program starts in its own folder, as from the setup medium.
  std::string program = argv[3];
  std::string folder = program.substr(0, program.find_last_of('\\'));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    std::fprintf(stderr, "win32_player: cannot start %s (error %lu)\n", program.c_str(),
                 static_cast<unsigned long>(GetLastError()));
    return 2;
  }
  wine_player::Player player(process, templates);
  return player.play(script);
}
