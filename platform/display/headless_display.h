// The window model without pixels. Time is virtual: waiting for a timer jumps
// the clock to it, so scripted runs are fast and repeatable. Asked to, it
// prints each top-level window as text when it first comes on the screen.
#pragma once

#include <cstdio>
#include <set>

#include "platform/display/display.h"

namespace platform::display {

class HeadlessDisplay final : public Display {
 public:
  HeadlessDisplay() = default;
  explicit HeadlessDisplay(std::FILE* showWindowsTo) : showTo_(showWindowsTo) {}

  uint64_t now() const override { return now_; }
  void waitUntil(uint64_t deadline) override;
  void sleep(uint32_t milliseconds) override { now_ += milliseconds; }
  bool waitForInput() override { return false; }
  void windowChanged(HWND window) override;
  void windowDestroyed(HWND window) override { shown_.erase(window); }
  bool screenshot(const std::string&) override { return false; }

 private:
  uint64_t now_ = 0;
  std::FILE* showTo_ = nullptr;
  std::set<HWND> shown_;
};

}  // namespace platform::display
