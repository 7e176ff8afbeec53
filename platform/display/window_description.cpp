#include "platform/display/window_description.h"

#include "platform/automation/transcript.h"
#include "platform/ui/message_box.h"

namespace platform::display {
namespace {

std::string Geometry(const ui::Rect& rect) {
  return std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.width) +
         "x" + std::to_string(rect.height);
}

std::string KindOf(const ui::Window& control) {
  if (control.isGroupBox()) return "group box";
  if (control.isCheckBox()) return control.checkState ? "check box [x]" : "check box [ ]";
  if (control.isPushButton()) return "button";
  switch (control.kind()) {
    case ui::WindowKind::Static:
      return "text";
    case ui::WindowKind::Edit:
      return "edit";
    case ui::WindowKind::ListBox:
      return "list";
    case ui::WindowKind::TreeView:
      return "tree";
    default:
      return control.className();
  }
}

std::string Heading(const ui::Window& window) {
  const ui::DialogState* dialog = window.dialog.get();
  std::string caption = automation::Transcript::quote(window.text);
  if (dialog && dialog->isMessageBox) {
    return "messagebox " + caption + " " + ui::IconName(dialog->icon) + " " +
           ui::ButtonsName(dialog->buttons);
  }
  if (dialog && !dialog->templateName.empty()) {
    return "dialog " + dialog->templateName + " " + caption;
  }
  return "window " + caption;
}

}  // namespace

std::string DescribeWindow(const ui::WindowSystem& windows, const ui::Window& window) {
  std::string text = "+ " + Heading(window) + "  " + Geometry(window.rect) + "\n";
  for (HWND handle : window.children) {
    const ui::Window* control = windows.find(handle);
    if (!control || !control->visible) continue;
    text += "|   " + KindOf(*control);
    if (control->id != 0 && control->id != 0xFFFF) text += " " + std::to_string(control->id);
    if (!control->text.empty()) text += " " + automation::Transcript::quote(control->text);
    for (const std::string& item : control->items) {
      text += " " + automation::Transcript::quote(item);
    }
    text += "  " + Geometry(control->rect) + "\n";
    for (const ui::TreeItem& row : control->treeItems) {
      text += "|     " + std::string(size_t(row.depth) * 2, ' ') + (row.expandable ? "+ " : "  ") +
              row.text + "\n";
    }
  }
  return text;
}

}  // namespace platform::display
