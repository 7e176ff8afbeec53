// The window model without pixels. Time is virtual: waiting for a timer jumps
// the clock to it, so scripted runs are fast and repeatable.
#pragma once

#include "platform/display/display.h"

namespace platform::display {

class HeadlessDisplay final : public Display {
 public:
  uint64_t now() const override { return now_; }
  void waitUntil(uint64_t deadline) override;
  void sleep(uint32_t milliseconds) override { now_ += milliseconds; }
  bool waitForInput() override { return false; }
  void windowChanged(HWND) override {}
  void windowDestroyed(HWND) override {}
  bool screenshot(const std::string&) override { return false; }

 private:
  uint64_t now_ = 0;
};

}  // namespace platform::display
