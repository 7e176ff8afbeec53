// LISTBOX: a single-selection list, sorted with LBS_SORT.
#include <algorithm>

#include "platform/ui/controls.h"

namespace platform::ui {
namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Letters A-Z fold to a-z, then bytes compare as unsigned.
int CompareFolded(const std::string& a, const std::string& b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    unsigned char x = static_cast<unsigned char>(Fold(a[i]));
    unsigned char y = static_cast<unsigned char>(Fold(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

LRESULT AddString(WindowSystem& system, Window& list, const char* text) {
  std::string item = text ? text : "";
  size_t at = list.items.size();
  if (list.style & LBS_SORT) {
    at = 0;  // an equal string goes after those already there
    while (at < list.items.size() && CompareFolded(list.items[at], item) <= 0) ++at;
  }
  list.items.insert(list.items.begin() + long(at), item);
  if (list.currentSelection >= int(at)) ++list.currentSelection;
  system.changed(list);
  return LRESULT(at);
}

bool InRange(const Window& list, WPARAM index) { return index < list.items.size(); }

}  // namespace

void SelectListItem(WindowSystem& system, Window& list, int index) {
  HWND handle = list.handle();
  system.setFocus(handle);
  Window* still = system.find(handle);
  if (!still || index < 0 || index >= int(still->items.size())) return;
  still->currentSelection = index;
  system.changed(*still);
  if (still->style & LBS_NOTIFY) system.notifyParent(*still, LBN_SELCHANGE);
}

LRESULT ListBoxProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
  switch (message) {
    case LB_ADDSTRING:
      return AddString(system, window, reinterpret_cast<const char*>(lParam));
    case LB_SETCURSEL:
      window.currentSelection = InRange(window, wParam) ? int(wParam) : -1;
      system.changed(window);
      return window.currentSelection < 0 ? LB_ERR : window.currentSelection;
    case LB_GETCURSEL:
      return window.currentSelection < 0 ? LB_ERR : window.currentSelection;
    case LB_GETCOUNT:
      return LRESULT(window.items.size());
    case LB_GETTEXTLEN:
      return InRange(window, wParam) ? LRESULT(window.items[wParam].size()) : LB_ERR;
    case LB_GETTEXT: {
      if (!InRange(window, wParam) || !lParam) return LB_ERR;
      const std::string& item = window.items[wParam];
      return CopyText(item, reinterpret_cast<char*>(lParam), int(item.size()) + 1);
    }
    default:
      return DefaultProcedure(system, window, message, wParam, lParam);
  }
}

}  // namespace platform::ui
