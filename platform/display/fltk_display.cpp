#include "platform/display/fltk_display.h"

#include <FL/Fl.H>
#include <FL/Fl_Image_Surface.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xlib.h>

#include <thread>

#include "platform/display/model_window.h"
#include "platform/display/png_writer.h"
#include "platform/ui/window_system.h"

namespace platform::display {
namespace {

// Text set in a tight loop (the disk search's status line) is painted at most
// this often, not once per change.
constexpr uint64_t kRepaintInterval = 30;

}  // namespace

FltkDisplay::FltkDisplay() : start_(std::chrono::steady_clock::now()) {
  Fl::visual(FL_DOUBLE | FL_RGB);
}

FltkDisplay::~FltkDisplay() {
  for (auto& entry : windows_) delete entry.second;
}

// The connection made here is the one FLTK goes on with: closing it could
// make a server reset that refuses the next one.
bool FltkDisplay::Open(std::string& error) {
  ::Display* display = XOpenDisplay(nullptr);
  if (!display) {
    const char* name = std::getenv("DISPLAY");
    error = std::string("cannot open the X display ") + (name ? name : "(DISPLAY is not set)");
    return false;
  }
  fl_open_display(display);
  return true;
}

uint64_t FltkDisplay::now() const {
  return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start_)
                      .count());
}

// One wait: the loop that called asks again when time is left.
void FltkDisplay::waitUntil(uint64_t deadline) {
  uint64_t current = now();
  if (deadline > current) Fl::wait(double(deadline - current) / 1000.0);
  lastFlush_ = now();
}

void FltkDisplay::sleep(uint32_t milliseconds) {
  Fl::flush();
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool FltkDisplay::waitForInput() {
  Fl::wait(1e9);
  lastFlush_ = now();
  return true;
}

void FltkDisplay::windowChanged(HWND handle) {
  const ui::Window* window = ui::Windows().find(handle);
  if (!window) return;
  const ui::Window* top = ui::Windows().topLevelOf(handle);
  keepInView(*window);
  sync(*top);
  flushSoon();
}

void FltkDisplay::flushSoon() {
  uint64_t current = now();
  if (current - lastFlush_ < kRepaintInterval) return;
  Fl::flush();
  lastFlush_ = current;
}

void FltkDisplay::sync(const ui::Window& top) {
  auto found = windows_.find(top.handle());
  ModelWindow* shown = found == windows_.end() ? nullptr : found->second;
  if (!top.visible) {
    if (shown) shown->hide();
    return;
  }
  if (!shown) {
    shown = new ModelWindow(*this, top);
    windows_[top.handle()] = shown;
    shown->show();
  }
  const ui::Rect& rect = top.rect;
  if (shown->x() != rect.x || shown->y() != rect.y || shown->w() != rect.width ||
      shown->h() != rect.height) {
    shown->resize(rect.x, rect.y, rect.width, rect.height);
  }
  if (!shown->shown()) shown->show();
  // The active window comes to the front and takes the keyboard, with or
  // without a window manager.
  if (ui::Windows().active() == top.handle() && raised_ != top.handle()) {
    shown->show();
    shown->wait_for_expose();
    XSetInputFocus(fl_display, fl_xid(shown), RevertToParent, CurrentTime);
    Fl::focus(shown);
    raised_ = top.handle();
  }
  shown->redraw();
}

// A list's selected row and an edit's caret stay in sight.
void FltkDisplay::keepInView(const ui::Window& control) {
  if (control.kind() == ui::WindowKind::ListBox || control.kind() == ui::WindowKind::TreeView) {
    int& first = view_.firstRow[control.handle()];
    int rows = Painter::VisibleRows(control), selected = control.currentSelection;
    if (selected >= 0 && selected < first) first = selected;
    if (selected >= first + rows) first = selected - rows + 1;
    return;
  }
  if (!control.isMultilineEdit()) return;
  int line = 0;
  for (int i = 0; i < control.selectionEnd && i < int(control.text.size()); ++i) {
    if (control.text[size_t(i)] == '\n') ++line;
  }
  int visible =
      std::max(1, (control.rect.height - 4 - kScrollBarWidth) / Painter::LineHeight(control));
  int& first = view_.firstLine[control.handle()];
  if (line < first) first = line;
  if (line >= first + visible) first = line - visible + 1;
}

void FltkDisplay::windowDestroyed(HWND handle) {
  view_.firstRow.erase(handle);
  view_.firstLine.erase(handle);
  if (view_.pressed == handle) view_.pressed = nullptr;
  if (raised_ == handle) raised_ = nullptr;
  auto found = windows_.find(handle);
  if (found == windows_.end()) return;
  found->second->hide();
  Fl::delete_widget(found->second);
  windows_.erase(found);
}

// The screen as the model has it: the desktop, then every visible top-level
// window from the bottom up.
bool FltkDisplay::screenshot(const std::string& path) {
  ui::WindowSystem& windows = ui::Windows();
  int width = windows.screenWidth(), height = windows.screenHeight();
  Fl_Image_Surface surface(width, height);
  surface.set_current();
  fl_color(fl_rgb_color(0, 128, 128));
  fl_rectf(0, 0, width, height);
  Painter painter(windows, view_);
  for (HWND handle : windows.topLevels()) {
    const ui::Window* window = windows.find(handle);
    if (window && window->visible) painter.paint(*window, window->rect.x, window->rect.y);
  }
  Fl_RGB_Image* image = surface.image();
  Fl_Display_Device::display_device()->set_current();
  if (!image) return false;
  const uint8_t* pixels = reinterpret_cast<const uint8_t*>(image->data()[0]);
  int stride = image->ld() ? image->ld() : image->w() * image->d();
  bool written = image->d() == 3 && WritePng(path, pixels, image->w(), image->h(), stride);
  delete image;
  return written;
}

}  // namespace platform::display
