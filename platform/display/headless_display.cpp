#include "platform/display/headless_display.h"

#include "platform/display/window_description.h"
#include "platform/ui/window_system.h"

namespace platform::display {

void HeadlessDisplay::waitUntil(uint64_t deadline) {
  if (deadline > now_) now_ = deadline;
}

void HeadlessDisplay::windowChanged(HWND handle) {
  if (!showTo_ || shown_.count(handle)) return;
  const ui::Window* window = ui::Windows().find(handle);
  if (!window || !window->isTopLevel() || !window->visible) return;
  shown_.insert(handle);
  std::fputs(DescribeWindow(ui::Windows(), *window).c_str(), showTo_);
  std::fflush(showTo_);
}

}  // namespace platform::display
