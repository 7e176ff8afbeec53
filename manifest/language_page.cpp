#include "manifest/language_page.h"

#include "manifest/manifest.h"
#include "manifest/setup_medium.h"
#include "resources/control_ids.h"
#include "wizard/prompts.h"
#include "wizard/setup_state.h"

namespace {

// Layout in client pixels: seven check boxes a column, 200 pixels apart.
constexpr int kFirstX = 25;
constexpr int kFirstY = 27;
constexpr int kColumnStep = 200;
constexpr int kRowStep = 25;
constexpr int kPerColumn = 7;

HWND CreateControl(HWND dialog, const char* className, const char* text, DWORD style, int x, int y,
                   int width, int height, int id) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         dialog, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                         setupState.instance, nullptr);
}

// The window is as wide as the columns it fills, centred on the screen.
void PlaceWindow(HWND dialog, int languages) {
  int columns = (languages + kPerColumn - 1) / kPerColumn;
  if (columns < 1) columns = 1;
  int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
  int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
  RECT rect;
  GetWindowRect(dialog, &rect);
  int w = rect.right - rect.left;
  int h = rect.bottom - rect.top;
  MoveWindow(dialog, cx - (w * columns) / 2, cy - h / 2, (w - 6) * columns, h, TRUE);
}

// Each check box has a font object of its own.
void AddLanguage(HWND dialog, int i, int x, int y) {
  char key[32], section[kValueSize], label[kValueSize];
  snprintf(key, sizeof key, "LANGUAGE%d", i + 1);
  ReadManifestValue("LANGLIST", key, section);
  ReadManifestValue(section, "DISPLAYNAME", label);
  int id = IDC_LANGS_FIRST + i;
  CreateControl(dialog, "BUTTON", label, WS_TABSTOP | BS_AUTOCHECKBOX, x, y, 175, 27, id);
  HFONT font =
      CreateFontA(15, 5, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, "Ms Sans Serif");
  SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

BOOL OnInitDialog(HWND dialog) {
  SetupMedium medium;
  CopyManifestToWindowsDir(&medium);
  PlaceWindow(dialog, OfferedLanguages());
  int x = kFirstX, y = kFirstY;
  CreateControl(dialog, "STATIC", "Select Languages to Install !", SS_CENTER, 5, 3, 227, 16, 0);
  CreateControl(dialog, "BUTTON", "", BS_GROUPBOX, 20, 15, 194, 191, 0);
  for (int i = 0; i < OfferedLanguages(); ++i) {
    if (i > 0 && i % kPerColumn == 0) {
      x += kColumnStep;
      y = kFirstY;
      CreateControl(dialog, "BUTTON", "", BS_GROUPBOX, x - 5, 15, 193, 191, 0);
    }
    AddLanguage(dialog, i, x, y);
    y += kRowStep;
  }
  CreateControl(dialog, "BUTTON", "&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, 55, 211, 55, 27,
                IDC_LANGS_OK);
  CreateControl(dialog, "BUTTON", "&Cancel", WS_TABSTOP, 130, 211, 55, 27, IDC_LANGS_CANCEL);
  for (int i = 0; i < OfferedLanguages(); ++i) {
    setupState.languageSelected[i] = 0;
    CheckDlgButton(dialog, IDC_LANGS_FIRST + i, BST_UNCHECKED);
  }
  return TRUE;
}

BOOL OnOk(HWND dialog) {
  for (int i = 0; i < OfferedLanguages(); ++i) {
    if (setupState.languageSelected[i] == 1) {
      EndDialog(dialog, IDC_LANGS_OK);
      return TRUE;
    }
  }
  WarnNothingSelected(dialog);
  return FALSE;
}

// The box has already turned its own mark over; setting it from the flag
// keeps box and flag equal.
BOOL OnToggle(HWND dialog, int id) {
  int& selected = setupState.languageSelected[id - IDC_LANGS_FIRST];
  selected = selected ? 0 : 1;
  CheckDlgButton(dialog, id, selected);
  return FALSE;
}

BOOL OnCommand(HWND dialog, int id) {
  if (id == IDC_LANGS_OK) return OnOk(dialog);
  if (id == IDC_LANGS_CANCEL) {
    ConfirmExit(dialog);
    return TRUE;
  }
  if (id >= IDC_LANGS_FIRST && id < IDC_LANGS_FIRST + OfferedLanguages()) {
    return OnToggle(dialog, id);
  }
  return FALSE;
}

void ReleaseFonts(HWND dialog) {
  for (int i = 0; i < OfferedLanguages(); ++i) {
    HWND box = GetDlgItem(dialog, IDC_LANGS_FIRST + i);
    if (box) DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
  }
}

}  // namespace

INT_PTR CALLBACK SelectLangsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(dialog);
    case WM_COMMAND:
      return OnCommand(dialog, LOWORD(wParam));
    case WM_DESTROY:
      ReleaseFonts(dialog);
      return FALSE;
    default:
      return FALSE;
  }
}
