#include "platform/display/model_window.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cctype>

#include "platform/display/fltk_display.h"
#include "platform/display/painter.h"
#include "platform/profile/code_page.h"
#include "platform/ui/controls.h"
#include "platform/ui/input.h"

namespace platform::display {
namespace {

// The window manager's close request does nothing: the caption's close box
// is ours.
void IgnoreClose(Fl_Widget*, void*) {}

bool Contains(const ui::Rect& rect, int x, int y) {
  return x >= rect.x && y >= rect.y && x < rect.x + rect.width && y < rect.y + rect.height;
}

// The character offset in a line of text nearest to x pixels.
int OffsetAt(const std::string& line, int x) {
  int offset = 0;
  while (offset < int(line.size()) && fl_width(line.c_str(), offset + 1) < x) ++offset;
  return offset;
}

// Where a click at (x, y) of a control's own area puts an edit's caret.
int CaretAt(const ui::WindowSystem& windows, const ui::Window& edit, int x, int y, int firstLine) {
  UseFont(windows, edit);
  if (!edit.isMultilineEdit()) return OffsetAt(edit.text, x - 3);
  int wanted = firstLine + std::max(0, (y - 3) / Painter::LineHeight(edit));
  int line = 0;
  size_t start = 0;
  for (size_t i = 0; i <= edit.text.size(); ++i) {
    bool end = i == edit.text.size() || edit.text[i] == '\n';
    if (!end) continue;
    if (line == wanted || i == edit.text.size()) {
      std::string text = edit.text.substr(start, i - start);
      if (!text.empty() && text.back() == '\r') text.pop_back();
      return int(start) + OffsetAt(text, x - 3);
    }
    ++line;
    start = i + 1;
  }
  return int(edit.text.size());
}

}  // namespace

ModelWindow::ModelWindow(FltkDisplay& display, const ui::Window& window)
    : Fl_Double_Window(window.rect.x, window.rect.y, window.rect.width, window.rect.height),
      display_(display),
      handle_(window.handle()) {
  clear_border();
  callback(IgnoreClose);
  end();
}

ui::Window* ModelWindow::model() const { return ui::Windows().find(handle_); }

void ModelWindow::draw() {
  if (ui::Window* window = model()) Painter(ui::Windows(), display_.view()).paint(*window, 0, 0);
}

ui::Window* ModelWindow::controlAt(ui::Window& window, int x, int y) const {
  ui::WindowSystem& windows = ui::Windows();
  for (auto handle = window.children.rbegin(); handle != window.children.rend(); ++handle) {
    ui::Window* control = windows.find(*handle);
    // Group boxes let clicks through to what lies in them.
    if (control && control->visible && !control->isGroupBox() && Contains(control->rect, x, y)) {
      return control;
    }
  }
  return nullptr;
}

bool ModelWindow::inCloseBox(const ui::Window& window, int x, int y) const {
  if (!window.hasCloseBox()) return false;
  int right = window.rect.width - ui::kFrameWidth - 2;
  int top = ui::kFrameWidth + 2;
  return x >= right - kCloseBoxWidth && x < right && y >= top && y < top + kCloseBoxHeight;
}

int ModelWindow::handle(int event) {
  ui::Window* window = model();
  if (!window) return Fl_Double_Window::handle(event);
  switch (event) {
    case FL_PUSH:
      press(*window);
      return 1;
    case FL_DRAG:
      if (dragging_) {
        MoveWindow(handle_, Fl::event_x_root() - dragX_, Fl::event_y_root() - dragY_,
                   window->rect.width, window->rect.height, TRUE);
      }
      return 1;
    case FL_RELEASE:
      release(*window);
      return 1;
    case FL_MOUSEWHEEL:
      wheel(*window);
      return 1;
    case FL_KEYBOARD:
      return key();
    case FL_FOCUS:
    case FL_UNFOCUS:
    case FL_ENTER:
    case FL_LEAVE:
    case FL_MOVE:
      return 1;
    default:
      return Fl_Double_Window::handle(event);
  }
}

// A window the modal one has disabled takes no input; a click brings an
// enabled window to the front.
void ModelWindow::press(ui::Window& window) {
  ui::WindowSystem& windows = ui::Windows();
  if (!window.enabled) {
    fl_beep();
    return;
  }
  if (windows.active() != handle_) windows.activate(handle_);
  int x = Fl::event_x(), y = Fl::event_y();
  if (y < window.clientTop()) {
    closing_ = inCloseBox(window, x, y);
    dragging_ = !closing_ && (window.style & WS_CAPTION);
    dragX_ = Fl::event_x_root() - window.rect.x;
    dragY_ = Fl::event_y_root() - window.rect.y;
    return;
  }
  int clientX = x - window.clientLeft(), clientY = y - window.clientTop();
  if (ui::Window* control = controlAt(window, clientX, clientY)) {
    pressClient(*control, clientX - control->rect.x, clientY - control->rect.y);
  }
}

void ModelWindow::pressClient(ui::Window& control, int x, int y) {
  ui::WindowSystem& windows = ui::Windows();
  if (!control.enabled) return;
  ViewState& view = display_.view();
  switch (control.kind()) {
    case ui::WindowKind::Button:
      view.pressed = control.handle();  // clicked when the button is let go over it
      windows.setFocus(control.handle());
      redraw();
      break;
    case ui::WindowKind::Edit: {
      ui::ClickControl(windows, control);
      int caret = CaretAt(windows, control, x, y, view.firstLine[control.handle()]);
      windows.send(control.handle(), EM_SETSEL, WPARAM(caret), caret);
      break;
    }
    case ui::WindowKind::ListBox: {
      int row = view.firstRow[control.handle()] + (y - 2) / Painter::RowHeight(control);
      bool onBar = (control.style & WS_VSCROLL) && x >= control.rect.width - 2 - kScrollBarWidth &&
                   int(control.items.size()) > Painter::VisibleRows(control);
      if (onBar) {
        int rows = Painter::VisibleRows(control);
        int& first = view.firstRow[control.handle()];
        first += y < control.rect.height / 2 ? -rows : rows;
        first = std::max(0, std::min(first, int(control.items.size()) - rows));
        redraw();
      } else if (row >= 0 && row < int(control.items.size())) {
        ui::ClickListItem(windows, control, row);
      } else {
        windows.setFocus(control.handle());
      }
      break;
    }
    case ui::WindowKind::TreeView: {
      int row = view.firstRow[control.handle()] + (y - 2) / Painter::RowHeight(control);
      if (row < 0 || row >= int(control.treeItems.size())) break;
      int boxX = 4 + control.treeItems[size_t(row)].depth * 16;
      bool onBox = x >= boxX && x < boxX + 10;
      if (onBox || Fl::event_clicks() > 0) {
        ui::ToggleTreeItem(windows, control, row);
      } else {
        ui::SelectTreeItem(windows, control, row);
      }
      break;
    }
    default:
      break;
  }
}

void ModelWindow::release(ui::Window& window) {
  ui::WindowSystem& windows = ui::Windows();
  dragging_ = false;
  int x = Fl::event_x(), y = Fl::event_y();
  if (closing_) {
    closing_ = false;
    if (inCloseBox(window, x, y)) ui::ClickCloseBox(windows, window);
    return;
  }
  ViewState& view = display_.view();
  HWND pressed = view.pressed;
  view.pressed = nullptr;
  ui::Window* button = windows.find(pressed);
  if (!button) return;
  redraw();
  int clientX = x - window.clientLeft(), clientY = y - window.clientTop();
  if (Contains(button->rect, clientX, clientY)) ui::ClickControl(windows, *button);
}

// The wheel scrolls the list, tree or multi-line edit under the mouse.
void ModelWindow::wheel(ui::Window& window) {
  int clientX = Fl::event_x() - window.clientLeft(), clientY = Fl::event_y() - window.clientTop();
  ui::Window* control = controlAt(window, clientX, clientY);
  if (!control) return;
  int step = Fl::event_dy() != 0 ? Fl::event_dy() * 3 : 3;
  ViewState& view = display_.view();
  if (control->kind() == ui::WindowKind::ListBox || control->kind() == ui::WindowKind::TreeView) {
    int total = int(control->kind() == ui::WindowKind::ListBox ? control->items.size()
                                                               : control->treeItems.size());
    int& first = view.firstRow[control->handle()];
    first = std::max(0, std::min(first + step, total - Painter::VisibleRows(*control)));
  } else if (control->isMultilineEdit()) {
    int& first = view.firstLine[control->handle()];
    first = std::max(0, first + step);
  }
  redraw();
}

// Keys go to the model's active window, as the dialog manager takes them.
int ModelWindow::key() {
  ui::WindowSystem& windows = ui::Windows();
  int code = Fl::event_key();
  bool shift = Fl::event_state() & FL_SHIFT;
  static const struct {
    int code;
    ui::Key key;
  } kKeys[] = {{FL_Enter, ui::Key::Enter},   {FL_KP_Enter, ui::Key::Enter},
               {FL_Escape, ui::Key::Escape}, {FL_BackSpace, ui::Key::Backspace},
               {FL_Delete, ui::Key::Delete}, {FL_Up, ui::Key::Up},
               {FL_Down, ui::Key::Down},     {FL_Left, ui::Key::Left},
               {FL_Right, ui::Key::Right},   {FL_Home, ui::Key::Home},
               {FL_End, ui::Key::End},       {' ', ui::Key::Space}};
  if (code == FL_Tab) {
    ui::PressKey(windows, shift ? ui::Key::ShiftTab : ui::Key::Tab);
    return 1;
  }
  for (const auto& entry : kKeys) {
    if (entry.code == code) {
      ui::PressKey(windows, entry.key);
      return 1;
    }
  }
  if ((Fl::event_state() & FL_ALT) && code < 128 && std::isalnum(code)) {
    ui::PressMnemonic(windows, char(code));
    return 1;
  }
  // Typed text arrives as UTF-8; the program takes its own 8-bit code page.
  std::string typed = profile::Utf8ToAnsi(Fl::event_text());
  for (char c : typed) {
    if (static_cast<unsigned char>(c) >= 0x20) ui::TypeCharacter(windows, c);
  }
  return typed.empty() ? 0 : 1;
}

}  // namespace platform::display
