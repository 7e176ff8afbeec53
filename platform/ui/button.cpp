// BUTTON: push buttons, default push buttons, check boxes and group boxes.
#include "platform/ui/controls.h"

namespace platform::ui {

void ClickButton(WindowSystem& system, Window& button) {
  if (button.isGroupBox() || !button.enabled) return;
  HWND handle = button.handle();
  system.setFocus(handle);
  Window* still = system.find(handle);
  if (!still) return;
  if (still->buttonType() == BS_AUTOCHECKBOX) {
    still->checkState = still->checkState == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    system.changed(*still);
  }
  system.notifyParent(*still, BN_CLICKED);
}

LRESULT ButtonProcedure(WindowSystem& system, Window& window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  switch (message) {
    case BM_GETCHECK:
      return window.isCheckBox() ? window.checkState : BST_UNCHECKED;
    case BM_SETCHECK:
      if (window.isCheckBox()) {
        window.checkState = wParam == BST_UNCHECKED ? BST_UNCHECKED : BST_CHECKED;
        system.changed(window);
      }
      return 0;
    case BM_CLICK:
      ClickButton(system, window);
      return 0;
    default:
      return DefaultProcedure(system, window, message, wParam, lParam);
  }
}

}  // namespace platform::ui
