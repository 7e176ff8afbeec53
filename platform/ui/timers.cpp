#include "platform/ui/timers.h"

#include <algorithm>

namespace platform::ui {

void Timers::set(HWND window, UINT_PTR id, uint32_t period, uint64_t now) {
  // Win32 treats a zero period as the shortest one.
  if (period == 0) period = 1;
  kill(window, id);
  timers_.push_back(Timer{window, id, period, now + period});
}

bool Timers::kill(HWND window, UINT_PTR id) {
  auto found = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& timer) {
    return timer.window == window && timer.id == id;
  });
  if (found == timers_.end()) return false;
  timers_.erase(found);
  return true;
}

void Timers::killAll(HWND window) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& timer) { return timer.window == window; }),
                timers_.end());
}

std::optional<uint64_t> Timers::nextDue() const {
  if (timers_.empty()) return std::nullopt;
  uint64_t due = timers_.front().due;
  for (const Timer& timer : timers_) due = std::min(due, timer.due);
  return due;
}

std::optional<Timers::Timer> Timers::takeDue(uint64_t now) {
  Timer* earliest = nullptr;
  for (Timer& timer : timers_) {
    if (timer.due <= now && (!earliest || timer.due < earliest->due)) earliest = &timer;
  }
  if (!earliest) return std::nullopt;
  Timer fired = *earliest;
  earliest->due = now + earliest->period;
  return fired;
}

}  // namespace platform::ui
