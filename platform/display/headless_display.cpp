#include "platform/display/headless_display.h"

namespace platform::display {

void HeadlessDisplay::waitUntil(uint64_t deadline) {
  if (deadline > now_) now_ = deadline;
}

}  // namespace platform::display
