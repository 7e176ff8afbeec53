// USER32's dialog functions: modal dialogs from templates and dialog items.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window_system.h"

using platform::ui::Window;
using platform::ui::Windows;
using platform::ui::WindowSystem;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                               LPARAM initParam) {
  WindowSystem& system = Windows();
  if (!templateName || system.templateDenied(templateName)) return -1;
  const platform::ui::DialogTemplate* found = system.resources().findDialog(templateName);
  if (!found) return -1;
  HWND ownerTop = platform::ui::OwnerTopLevel(system, owner);
  Window* dialog = platform::ui::CreateDialogWindow(system, *found, ownerTop, dialogProc);
  if (!dialog) return -1;
  HWND handle = dialog->handle();
  Window* first = platform::ui::FirstTabStop(system, *dialog);
  WPARAM firstHandle = reinterpret_cast<WPARAM>(first ? first->handle() : nullptr);
  bool focusFirst = system.send(handle, WM_INITDIALOG, firstHandle, initParam) != 0;
  dialog = system.find(handle);
  if (!dialog) return -1;
  // The procedure may have created controls of its own: the first tab stop is
  // looked for afresh.
  if (focusFirst) {
    if (Window* stop = platform::ui::FirstTabStop(system, *dialog)) system.setFocus(stop->handle());
  }
  if (dialog->dialog->ended) {
    INT_PTR result = dialog->dialog->result;
    system.destroy(handle);
    return result;
  }
  return platform::ui::RunModal(system, *dialog);
}

BOOL WINAPI EndDialog(HWND handle, INT_PTR result) {
  Window* window = Windows().find(handle);
  if (!window || !window->dialog) return FALSE;
  window->dialog->ended = true;
  window->dialog->result = result;
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
  Window* control = Windows().child(dialog, id);
  return control ? control->handle() : nullptr;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return FALSE;
  Windows().send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return TRUE;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
  if (buffer && size > 0) buffer[0] = '\0';
  HWND control = GetDlgItem(dialog, id);
  if (!control) return 0;
  return UINT(Windows().send(control, WM_GETTEXT, WPARAM(size), reinterpret_cast<LPARAM>(buffer)));
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return FALSE;
  Windows().send(control, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? UINT(Windows().send(control, BM_GETCHECK, 0, 0)) : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  HWND control = GetDlgItem(dialog, id);
  return control ? Windows().send(control, message, wParam, lParam) : 0;
}
