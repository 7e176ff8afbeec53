#include "tests/support/recording_display.h"

#include "platform/ui/window_system.h"

namespace testing_support {

void RecordingDisplay::watch(const std::string& dialogTemplate, int id) {
  template_ = dialogTemplate;
  id_ = id;
  texts_.clear();
}

void RecordingDisplay::windowChanged(HWND handle) {
  const platform::ui::Window* window = platform::ui::Windows().find(handle);
  if (!window || template_.empty() || window->id != id_ || !window->parent) return;
  const platform::ui::DialogState* dialog = window->parent->dialog.get();
  if (!dialog || dialog->templateName != template_) return;
  if (texts_.empty() || texts_.back() != window->text) texts_.push_back(window->text);
}

}  // namespace testing_support
