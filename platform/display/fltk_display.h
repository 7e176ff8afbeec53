// The window display: every top-level window of the model is an undecorated
// FLTK window at the model's outer rectangle, painted from the model, its
// caption and frame drawn by us so that the geometry is exact with or without
// a window manager. A person's mouse and keys go through the same input
// procedures as a script's.
#pragma once

#include <chrono>
#include <map>
#include <string>

#include "platform/display/display.h"
#include "platform/display/painter.h"

namespace platform::display {

class ModelWindow;

class FltkDisplay final : public Display {
 public:
  FltkDisplay();
  ~FltkDisplay() override;
  FltkDisplay(const FltkDisplay&) = delete;
  FltkDisplay& operator=(const FltkDisplay&) = delete;

  // Connects to the X display; false, with the reason, when there is none.
  static bool Open(std::string& error);

  uint64_t now() const override;
  void waitUntil(uint64_t deadline) override;
  void sleep(uint32_t milliseconds) override;
  bool waitForInput() override;
  void windowChanged(HWND window) override;
  void windowDestroyed(HWND window) override;
  bool screenshot(const std::string& path) override;

  ViewState& view() { return view_; }

 private:
  void sync(const ui::Window& topLevel);
  void keepInView(const ui::Window& control);
  void flushSoon();

  std::map<HWND, ModelWindow*> windows_;
  HWND raised_ = nullptr;
  ViewState view_;
  std::chrono::steady_clock::time_point start_;
  uint64_t lastFlush_ = 0;
};

}  // namespace platform::display
