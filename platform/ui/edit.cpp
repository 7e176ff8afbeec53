// EDIT: single-line and multi-line edit controls with a selection.
#include <algorithm>

#include "platform/ui/controls.h"

namespace platform::ui {
namespace {

void SetSelection(Window& edit, LPARAM start, LPARAM end) {
  int length = int(edit.text.size());
  if (start < 0) {  // -1 removes the selection and leaves the caret where it was
    edit.selectionStart = edit.selectionEnd;
    return;
  }
  if (end < 0 || end > length) end = length;
  if (start > length) start = length;
  edit.selectionStart = int(std::min(start, end));
  edit.selectionEnd = int(std::max(start, end));
}

void ReplaceSelection(WindowSystem& system, Window& edit, const std::string& with) {
  edit.text.replace(size_t(edit.selectionStart), size_t(edit.selectionEnd - edit.selectionStart),
                    with);
  edit.selectionStart = edit.selectionEnd = edit.selectionStart + int(with.size());
  system.changed(edit);
  system.notifyParent(edit, EN_CHANGE);
}

void TypeCharacter(WindowSystem& system, Window& edit, char c) {
  if (edit.style & ES_READONLY) return;
  if (c == '\b') {
    if (edit.selectionStart == edit.selectionEnd) {
      if (edit.selectionStart == 0) return;
      --edit.selectionStart;
    }
    ReplaceSelection(system, edit, "");
  } else if (c == '\r') {
    if (edit.isMultilineEdit()) ReplaceSelection(system, edit, "\r\n");
  } else if (static_cast<unsigned char>(c) >= 0x20) {
    ReplaceSelection(system, edit, std::string(1, c));
  }
}

}  // namespace

LRESULT EditProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                      LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      DefaultProcedure(system, window, message, wParam, lParam);
      window.selectionStart = window.selectionEnd = 0;
      if (!window.isMultilineEdit()) system.notifyParent(window, EN_CHANGE);
      return TRUE;
    case EM_SETSEL:
      SetSelection(window, LPARAM(wParam), lParam);
      system.changed(window);
      return 0;
    case EM_GETSEL:
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = DWORD(window.selectionStart);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = DWORD(window.selectionEnd);
      return MAKELONG(window.selectionStart, window.selectionEnd);
    case WM_CHAR:
      TypeCharacter(system, window, char(wParam));
      return 0;
    default:
      return DefaultProcedure(system, window, message, wParam, lParam);
  }
}

}  // namespace platform::ui
