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

}  // namespace platform::ui
