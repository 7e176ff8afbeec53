// Modal dialogs from templates: creation, the modal run, and the dialog class's
// own handling of what a dialog procedure leaves alone.
#pragma once

#include "platform/ui/window_system.h"

namespace platform::ui {

// Creates the dialog and its controls from the template, hidden.
Window* CreateDialogWindow(WindowSystem& system, const DialogTemplate& dialog, HWND owner,
                           DLGPROC procedure);
// Shows a created dialog, disables its owner, runs it until EndDialog, and
// destroys it; gives its result.
INT_PTR RunModal(WindowSystem& system, Window& dialog);
// The first visible, enabled WS_TABSTOP control in tab order, or null.
Window* FirstTabStop(WindowSystem& system, Window& dialog);
// The top-level window that owns windows created with `owner`.
HWND OwnerTopLevel(WindowSystem& system, HWND owner);

// A dialog of the layer's own (a message box, the folder browser), in the
// 8 pt dialog font, hidden until it runs.
Window& CreateLayerDialog(WindowSystem& system, HWND owner, const std::string& caption, DWORD style,
                          DLGPROC procedure);
// Sizes a top-level window for its client area and centres it on the screen.
void PlaceCentred(WindowSystem& system, Window& window, int clientWidth, int clientHeight);
// A visible child control in its parent's font.
Window& AddChildControl(WindowSystem& system, Window& parent, WindowKind kind,
                        const char* className, int id, const std::string& text, DWORD style,
                        Rect rect);

}  // namespace platform::ui
