// The window procedures of the window classes the layer knows.
#pragma once

#include <string>

#include "platform/ui/window_system.h"

namespace platform::ui {

// The kind of window a class name makes, or Other for an unknown class.
WindowKind KindOfClass(const std::string& className);
// The class's own window procedure.
LRESULT ClassProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                       LPARAM lParam);
// What every class does for the messages it leaves alone.
LRESULT DefaultProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                         LPARAM lParam);
// Copies at most size - 1 bytes and a terminator; gives the count copied.
int CopyText(const std::string& text, char* buffer, int size);

LRESULT ButtonProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT StaticProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT EditProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                      LPARAM lParam);
LRESULT ListBoxProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                         LPARAM lParam);
LRESULT DialogProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam);

// A mouse click on a button, as the button itself handles it.
void ClickButton(WindowSystem& system, Window& button);
// A mouse click on item `index` of a list box.
void SelectListItem(WindowSystem& system, Window& list, int index);

// Notifications a tree view sends its parent in WM_COMMAND: its selected row
// changed, or a row asks to be expanded or collapsed (the row is selected).
constexpr WORD kTreeSelectionChanged = 1;
constexpr WORD kTreeToggleRequested = 2;
void SelectTreeItem(WindowSystem& system, Window& tree, int index);
void ToggleTreeItem(WindowSystem& system, Window& tree, int index);

}  // namespace platform::ui
