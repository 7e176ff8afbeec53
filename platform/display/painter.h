// Paints a top-level window of the model with FLTK's drawing functions, in a
// classic grey 3-D look: its frame and caption, then its controls. The same
// painting serves the screen and screenshots.
#pragma once

#include <map>

#include "platform/ui/window_system.h"

namespace platform::display {

// What the display adds to the model for drawing: how far lists, trees and
// edit controls are scrolled, and which button the mouse holds down.
struct ViewState {
  std::map<HWND, int> firstRow;   // list boxes and trees: the row at the top
  std::map<HWND, int> firstLine;  // multi-line edits: the line at the top
  HWND pressed = nullptr;
};

// Pixel metrics of the look.
constexpr int kCloseBoxWidth = 16;
constexpr int kCloseBoxHeight = 14;
constexpr int kScrollBarWidth = 16;

class Painter {
 public:
  Painter(const ui::WindowSystem& windows, const ViewState& view)
      : windows_(windows), view_(view) {}

  // Draws the window with its outer rectangle's top-left corner at (x, y).
  void paint(const ui::Window& window, int x, int y) const;

  // The row height of a list or tree, and its visible rows.
  static int RowHeight(const ui::Window& control);
  static int VisibleRows(const ui::Window& control);
  static int LineHeight(const ui::Window& edit);

 private:
  void frame(const ui::Window& window, int x, int y) const;
  void caption(const ui::Window& window, int x, int y) const;
  void control(const ui::Window& control, int x, int y) const;
  void pushButton(const ui::Window& button, int x, int y) const;
  void checkBox(const ui::Window& box, int x, int y) const;
  void groupBox(const ui::Window& box, int x, int y) const;
  void staticText(const ui::Window& text, int x, int y) const;
  void edit(const ui::Window& edit, int x, int y) const;
  void listBox(const ui::Window& list, int x, int y) const;
  void treeView(const ui::Window& tree, int x, int y) const;
  void icon(const ui::Window& icon, int x, int y) const;
  void scrollBar(int x, int y, int height, int first, int visible, int total) const;

  const ui::WindowSystem& windows_;
  const ViewState& view_;
};

// The FLTK font and size for a window's font.
void UseFont(const ui::WindowSystem& windows, const ui::Window& window);

}  // namespace platform::display
