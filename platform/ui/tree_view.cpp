// SysTreeView32, as far as the folder browser needs it: rows with a depth,
// one selected row, and requests to expand or collapse a row, which the
// tree's owner carries out.
#include "platform/ui/controls.h"

namespace platform::ui {

void SelectTreeItem(WindowSystem& system, Window& tree, int index) {
  HWND handle = tree.handle();
  system.setFocus(handle);
  Window* still = system.find(handle);
  if (!still || index < 0 || index >= int(still->treeItems.size())) return;
  bool changed = still->currentSelection != index;
  still->currentSelection = index;
  system.changed(*still);
  if (changed) system.notifyParent(*still, kTreeSelectionChanged);
}

void ToggleTreeItem(WindowSystem& system, Window& tree, int index) {
  HWND handle = tree.handle();
  SelectTreeItem(system, tree, index);
  Window* still = system.find(handle);
  if (!still || index < 0 || index >= int(still->treeItems.size())) return;
  if (still->treeItems[size_t(index)].expandable) system.notifyParent(*still, kTreeToggleRequested);
}

}  // namespace platform::ui
