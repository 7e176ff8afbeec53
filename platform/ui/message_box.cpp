// MessageBoxA: a modal dialog of its own with the text, an icon and buttons.
#include "platform/ui/message_box.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "platform/automation/transcript.h"
#include "platform/runtime.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

namespace platform::ui {
namespace {

// Layout in pixels, measured with the 8 pt dialog font's base units.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 13;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMessageIconId = 20;

struct ButtonSpec {
  int id;
  const char* text;
};

std::vector<ButtonSpec> ButtonsOf(UINT buttons) {
  if (buttons == MB_YESNO) return {{IDYES, "&Yes"}, {IDNO, "&No"}};
  return {{IDOK, "OK"}};
}

MessageBoxIcon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONQUESTION:
      return MessageBoxIcon::Question;
    case MB_ICONEXCLAMATION:
      return MessageBoxIcon::Exclamation;
    case MB_ICONINFORMATION:
      return MessageBoxIcon::Information;
    default:
      return MessageBoxIcon::None;
  }
}

// Breaks the text into lines at its line ends and, where a line is wider than
// the box may be, at spaces.
std::vector<std::string> WrapText(const std::string& text, int maxChars) {
  std::vector<std::string> lines;
  std::istringstream paragraphs(text);
  std::string paragraph;
  while (std::getline(paragraphs, paragraph)) {
    std::string line;
    std::istringstream words(paragraph);
    std::string word;
    while (words >> word) {
      if (!line.empty() && int(line.size() + 1 + word.size()) > maxChars) {
        lines.push_back(line);
        line.clear();
      }
      line += (line.empty() ? "" : " ") + word;
    }
    lines.push_back(line);
  }
  if (lines.empty()) lines.push_back("");
  return lines;
}

INT_PTR CALLBACK MessageBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND) return FALSE;
  WindowSystem& system = Windows();
  Window* box = system.find(window);
  int id = LOWORD(wParam);
  if (id == IDCANCEL) {
    // Escape and the close box mean OK where OK is the only button, and
    // nothing where the box asks Yes or No.
    if (box->dialog->buttons != MB_OK) return TRUE;
    id = IDOK;
  }
  if (id == IDOK || id == IDYES || id == IDNO) EndDialog(window, id);
  return TRUE;
}

void LayOut(WindowSystem& system, Window& box, const std::string& text) {
  const auto buttons = ButtonsOf(box.dialog->buttons);
  bool hasIcon = box.dialog->icon != MessageBoxIcon::None;
  int textX = kMargin + (hasIcon ? kIconSize + kMargin : 0);
  int maxChars = std::max(20, (system.screenWidth() * 5 / 8 - textX - kMargin) / kCharWidth);
  std::vector<std::string> lines = WrapText(text, maxChars);
  size_t widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, line.size());
  int textWidth = int(widest) * kCharWidth;
  int textHeight = int(lines.size()) * kLineHeight;
  int contentHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
  int rowWidth = int(buttons.size()) * kButtonWidth + int(buttons.size() - 1) * kButtonGap;
  int captionWidth = int(box.text.size()) * kCharWidth + 40;
  int clientWidth = std::max({textX + textWidth + kMargin, rowWidth + 2 * kMargin, captionWidth});
  int buttonsY = kMargin + contentHeight + kMargin;
  int clientHeight = buttonsY + kButtonHeight + kMargin;

  if (hasIcon) {
    AddChildControl(system, box, WindowKind::Static, "STATIC", kMessageIconId, "", SS_ICON,
                    Rect{kMargin, kMargin, kIconSize, kIconSize});
  }
  int textY = kMargin + (contentHeight - textHeight) / 2;
  AddChildControl(system, box, WindowKind::Static, "STATIC", kMessageTextId, text,
                  SS_LEFT | SS_NOPREFIX, Rect{textX, textY, textWidth, textHeight});
  int x = (clientWidth - rowWidth) / 2;
  for (size_t i = 0; i < buttons.size(); ++i) {
    DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    AddChildControl(system, box, WindowKind::Button, "BUTTON", buttons[i].id, buttons[i].text,
                    style, Rect{x, buttonsY, kButtonWidth, kButtonHeight});
    x += kButtonWidth + kButtonGap;
  }
  PlaceCentred(system, box, clientWidth, clientHeight);
}

}  // namespace

const char* IconName(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::Question:
      return "question";
    case MessageBoxIcon::Exclamation:
      return "exclamation";
    case MessageBoxIcon::Information:
      return "information";
    case MessageBoxIcon::None:
      break;
  }
  return "none";
}

const char* ButtonsName(UINT buttons) { return buttons == MB_YESNO ? "yesno" : "ok"; }

int ShowMessageBox(WindowSystem& system, HWND owner, const std::string& text,
                   const std::string& caption, UINT type) {
  Window& box = CreateLayerDialog(
      system, owner, caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER, MessageBoxProcedure);
  box.dialog->isMessageBox = true;
  box.dialog->icon = IconOf(type);
  box.dialog->buttons = (type & MB_TYPEMASK) == MB_YESNO ? MB_YESNO : MB_OK;
  LayOut(system, box, text);
  if (Window* first = FirstTabStop(system, box)) {
    box.dialog->lastFocus = first->handle();
    box.dialog->defaultId = first->id;
  }
  Transcribe("messagebox " + automation::Transcript::quote(caption) + " " +
             automation::Transcript::quote(text) + " " + IconName(box.dialog->icon) + " " +
             ButtonsName(box.dialog->buttons));
  return int(RunModal(system, box));
}

}  // namespace platform::ui

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  using namespace platform::ui;
  return ShowMessageBox(Windows(), owner, text ? text : "", caption ? caption : "Error", type);
}
