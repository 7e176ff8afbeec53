#include "tests/wine/geometry.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace wine_player {
namespace {

using platform::ui::BaseUnits;

INT_PTR CALLBACK InertDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A dialog template in memory: header, no menu, the default class, no
// caption, then the font's size and face, all in 16-bit words.
std::vector<DWORD> FontOnlyTemplate(const std::string& face, int pointSize) {
  std::vector<WORD> words;
  auto add32 = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  add32(WS_POPUP | DS_SETFONT);                                  // style
  add32(0);                                                      // extended style
  words.push_back(0);                                            // no controls
  for (int i = 0; i < 4; ++i) words.push_back(i < 2 ? 0 : 100);  // x, y, cx, cy
  words.push_back(0);                                            // menu
  words.push_back(0);                                            // class
  words.push_back(0);                                            // caption
  words.push_back(WORD(pointSize));
  for (char c : face) words.push_back(WORD(static_cast<unsigned char>(c)));
  words.push_back(0);
  std::vector<DWORD> aligned((words.size() + 1) / 2);
  std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
  return aligned;
}

bool InTemplatePlace(const platform::ui::ControlTemplate& control, BaseUnits base,
                     const RECT& rect) {
  using platform::ui::DialogUnitsToPixelsX;
  using platform::ui::DialogUnitsToPixelsY;
  return rect.left == DialogUnitsToPixelsX(control.x, base) &&
         rect.top == DialogUnitsToPixelsY(control.y, base) &&
         rect.right - rect.left == DialogUnitsToPixelsX(control.width, base) &&
         rect.bottom - rect.top == DialogUnitsToPixelsY(control.height, base);
}

}  // namespace

BaseUnits MeasuredBaseUnits(const std::string& face, int pointSize) {
  // A font measures the same every time: once per font, not per check.
  static std::map<std::pair<std::string, int>, BaseUnits> measured;
  auto known = measured.find({face, pointSize});
  if (known != measured.end()) return known->second;
  std::vector<DWORD> words = FontOnlyTemplate(face, pointSize);
  HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), nullptr,
                                           InertDialog, 0);
  RECT rect = {0, 0, 4, 8};
  if (dialog) {
    MapDialogRect(dialog, &rect);
    DestroyWindow(dialog);
  }
  BaseUnits base = {int(rect.right), int(rect.bottom)};
  if (dialog) measured[{face, pointSize}] = base;
  return base;
}

bool ControlRectHolds(const platform::ui::DialogTemplate* dialog, int id, const RECT& expected,
                      const RECT& found, std::string& note) {
  const platform::ui::ControlTemplate* control = nullptr;
  if (dialog) {
    for (const platform::ui::ControlTemplate& candidate : dialog->controls) {
      if ((candidate.id & 0xFFFF) == (id & 0xFFFF)) control = &candidate;
    }
  }
  if (control &&
      InTemplatePlace(*control, platform::ui::DialogBaseUnits(dialog->fontSize), expected)) {
    note = " (where the template puts it, in wine's dialog units)";
    return InTemplatePlace(*control, MeasuredBaseUnits(dialog->fontFace, dialog->fontSize), found);
  }
  note = "";
  return EqualRect(&expected, &found);
}

bool WindowCentreHolds(const RECT& expected, const RECT& found) {
  // Twice the centre, to stay in whole pixels.
  auto within = [](LONG a, LONG b) { return std::abs(a - b) <= 2; };
  return within(expected.left + expected.right, found.left + found.right) &&
         within(expected.top + expected.bottom, found.top + found.bottom);
}

}  // namespace wine_player
