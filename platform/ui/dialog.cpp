#include "platform/ui/dialog.h"

#include "platform/runtime.h"
#include "platform/ui/controls.h"

namespace platform::ui {
namespace {

// "MS Sans Serif" at the template's size: the character height in pixels at
// 96 dots per inch, given as a negative height as CreateFontA takes it.
HFONT CreateTemplateFont(WindowSystem& system, const DialogTemplate& dialog) {
  FontInfo info;
  info.height = -MulDiv(dialog.fontSize, 96, 72);
  info.face = dialog.fontFace;
  return system.fonts().create(info);
}

void PlaceDialog(WindowSystem& system, Window& window, const DialogTemplate& dialog, HWND owner,
                 BaseUnits base) {
  window.setClientSize(DialogUnitsToPixelsX(dialog.width, base),
                       DialogUnitsToPixelsY(dialog.height, base));
  if (dialog.style & DS_CENTER) {
    window.rect.x = (system.screenWidth() - window.rect.width) / 2;
    window.rect.y = (system.screenHeight() - window.rect.height) / 2;
    return;
  }
  // Without DS_CENTER the template's position counts from the owner's client area.
  window.rect.x = DialogUnitsToPixelsX(dialog.x, base);
  window.rect.y = DialogUnitsToPixelsY(dialog.y, base);
  if (Window* ownerWindow = system.find(owner)) {
    window.rect.x += ownerWindow->rect.x + ownerWindow->clientLeft();
    window.rect.y += ownerWindow->rect.y + ownerWindow->clientTop();
  }
}

bool CreateControl(WindowSystem& system, Window& dialog, const ControlTemplate& control,
                   BaseUnits base) {
  WindowKind kind = KindOfClass(control.className);
  if (kind == WindowKind::Other || kind == WindowKind::Dialog) return false;
  Window& window = system.create(kind, control.className, &dialog, nullptr);
  window.id = control.id;
  window.text = control.text;
  window.style = control.style;
  window.rect =
      Rect{DialogUnitsToPixelsX(control.x, base), DialogUnitsToPixelsY(control.y, base),
           DialogUnitsToPixelsX(control.width, base), DialogUnitsToPixelsY(control.height, base)};
  window.visible = control.style & WS_VISIBLE;
  window.enabled = !(control.style & WS_DISABLED);
  window.font = dialog.font;
  return true;
}

}  // namespace

HWND OwnerTopLevel(WindowSystem& system, HWND owner) {
  Window* top = system.topLevelOf(owner);
  return top ? top->handle() : nullptr;
}

Window* CreateDialogWindow(WindowSystem& system, const DialogTemplate& dialog, HWND owner,
                           DLGPROC procedure) {
  Window& window = system.create(WindowKind::Dialog, "#32770", nullptr, owner);
  window.style = dialog.style & ~WS_VISIBLE;
  window.text = dialog.caption;
  window.dialog = std::make_unique<DialogState>();
  window.dialog->procedure = procedure;
  window.dialog->templateName = dialog.name;
  window.dialog->ownFont = CreateTemplateFont(system, dialog);
  window.font = window.dialog->ownFont;
  BaseUnits base = DialogBaseUnits(dialog.fontSize);
  PlaceDialog(system, window, dialog, owner, base);
  for (const ControlTemplate& control : dialog.controls) {
    if (!CreateControl(system, window, control, base)) {
      system.destroy(window.handle());
      return nullptr;
    }
    bool isDefault = KindOfClass(control.className) == WindowKind::Button &&
                     (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (isDefault && window.dialog->defaultId == 0) window.dialog->defaultId = control.id;
  }
  return &window;
}

Window& CreateLayerDialog(WindowSystem& system, HWND owner, const std::string& caption, DWORD style,
                          DLGPROC procedure) {
  Window& dialog =
      system.create(WindowKind::Dialog, "#32770", nullptr, OwnerTopLevel(system, owner));
  dialog.style = style;
  dialog.text = caption;
  dialog.dialog = std::make_unique<DialogState>();
  dialog.dialog->procedure = procedure;
  FontInfo font;
  font.height = -MulDiv(8, 96, 72);
  font.face = "MS Sans Serif";
  dialog.dialog->ownFont = system.fonts().create(font);
  dialog.font = dialog.dialog->ownFont;
  return dialog;
}

void PlaceCentred(WindowSystem& system, Window& window, int clientWidth, int clientHeight) {
  window.setClientSize(clientWidth, clientHeight);
  window.rect.x = (system.screenWidth() - window.rect.width) / 2;
  window.rect.y = (system.screenHeight() - window.rect.height) / 2;
}

Window& AddChildControl(WindowSystem& system, Window& parent, WindowKind kind,
                        const char* className, int id, const std::string& text, DWORD style,
                        Rect rect) {
  Window& control = system.create(kind, className, &parent, nullptr);
  control.id = id;
  control.text = text;
  control.style = WS_CHILD | WS_VISIBLE | style;
  control.rect = rect;
  control.visible = true;
  control.font = parent.font;
  return control;
}

Window* FirstTabStop(WindowSystem& system, Window& dialog) {
  for (HWND handle : dialog.children) {
    Window* control = system.find(handle);
    if (control && control->visible && control->enabled && (control->style & WS_TABSTOP)) {
      return control;
    }
  }
  return nullptr;
}

INT_PTR RunModal(WindowSystem& system, Window& dialog) {
  HWND handle = dialog.handle();
  HWND owner = dialog.owner;
  system.show(dialog, true);
  if (!dialog.dialog->templateName.empty()) {
    Transcribe("dialog " + dialog.dialog->templateName);
  }
  Window* ownerWindow = system.find(owner);
  bool ownerWasEnabled = ownerWindow && ownerWindow->enabled;
  if (ownerWasEnabled) system.enable(*ownerWindow, false);
  system.runModalLoop(handle);
  INT_PTR result = 0;
  if (Window* still = system.find(handle)) result = still->dialog->result;
  // The owner comes back before the dialog goes, so that it is activated again.
  if (Window* again = system.find(owner); again && ownerWasEnabled) system.enable(*again, true);
  system.destroy(handle);
  return result;
}

LRESULT DialogProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  HWND handle = window.handle();
  if (window.dialog && window.dialog->procedure) {
    INT_PTR handled = window.dialog->procedure(handle, message, wParam, lParam);
    if (handled || !system.find(handle)) return handled;
  }
  switch (message) {
    case WM_CLOSE: {
      // The dialog manager turns a request to close into Cancel, unless the
      // dialog's Cancel button is disabled.
      Window* cancel = system.child(handle, IDCANCEL);
      if (cancel && !cancel->enabled) return 0;
      system.post(handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                  reinterpret_cast<LPARAM>(cancel ? cancel->handle() : nullptr));
      return 0;
    }
    case WM_INITDIALOG:
    case WM_COMMAND:
    case WM_TIMER:
      return 0;
    default:
      return DefaultProcedure(system, window, message, wParam, lParam);
  }
}

}  // namespace platform::ui
