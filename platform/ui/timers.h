// Timers of windows: WM_TIMER due after the period and again every period
// until killed.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win32.h"

namespace platform::ui {

class Timers {
 public:
  struct Timer {
    HWND window;
    UINT_PTR id;
    uint32_t period;
    uint64_t due;
  };

  void set(HWND window, UINT_PTR id, uint32_t period, uint64_t now);
  bool kill(HWND window, UINT_PTR id);
  void killAll(HWND window);

  bool anyArmed() const { return !timers_.empty(); }
  std::optional<uint64_t> nextDue() const;
  // The earliest timer due at `now`, rearmed for its next period.
  std::optional<Timer> takeDue(uint64_t now);

 private:
  std::vector<Timer> timers_;
};

}  // namespace platform::ui
