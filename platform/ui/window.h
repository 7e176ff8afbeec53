// One window of the model: what Win32 keeps for a window and its class state.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::ui {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class WindowKind { Dialog, Button, Static, Edit, ListBox, TreeView, Other };

// One visible row of a tree view.
struct TreeItem {
  std::string text;
  int depth = 0;
  bool expandable = false;
  bool expanded = false;
  std::string data;  // what the tree's owner keeps with the row
};

enum class MessageBoxIcon { None, Question, Exclamation, Information };

// What a dialog (or message box) keeps while it runs modally.
struct DialogState {
  DLGPROC procedure = nullptr;
  std::string templateName;  // empty for message boxes
  bool ended = false;
  INT_PTR result = 0;
  HWND lastFocus = nullptr;  // focus to restore when the dialog is activated again
  // The default push button's identifier, from the template's first
  // BS_DEFPUSHBUTTON; buttons created later do not change it. 0: none.
  int defaultId = 0;
  HFONT ownFont = nullptr;  // the template's font, released with the dialog
  bool isMessageBox = false;
  MessageBoxIcon icon = MessageBoxIcon::None;
  UINT buttons = MB_OK;
  // Set by the folder browser: choose a folder by its path, or cancel.
  std::function<bool(const std::string& path)> browseTo;
  std::function<void()> cancelBrowse;
  // A dialog of the layer's own may handle its commands here instead.
  std::function<void(int id, int code)> onCommand;
};

class Window {
 public:
  Window(HWND handle, WindowKind kind, std::string className);

  HWND handle() const { return handle_; }
  WindowKind kind() const { return kind_; }
  const std::string& className() const { return className_; }
  bool isTopLevel() const { return parent == nullptr; }
  bool framed() const;
  bool isDialog() const { return dialog != nullptr; }
  DWORD buttonType() const { return style & BS_TYPEMASK; }
  bool isPushButton() const;
  bool isCheckBox() const;
  bool isGroupBox() const { return kind_ == WindowKind::Button && buttonType() == BS_GROUPBOX; }
  bool isMultilineEdit() const { return kind_ == WindowKind::Edit && (style & ES_MULTILINE); }
  bool hasCloseBox() const { return isTopLevel() && (style & WS_SYSMENU); }

  // The client area's size and its place in the outer rectangle; a top-level
  // window's frame and caption lie outside it.
  int clientWidth() const;
  int clientHeight() const;
  int clientLeft() const;
  int clientTop() const;
  // Sizes the outer rectangle for a client area of this size.
  void setClientSize(int width, int height);

  int id = 0;
  std::string text;
  DWORD style = 0;
  Rect rect;  // children: parent's client coordinates; top-level: outer rectangle on the screen
  bool enabled = true;
  bool visible = false;
  HFONT font = nullptr;
  Window* parent = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> children;  // creation order, which is the tab order

  // Class state.
  int checkState = BST_UNCHECKED;
  std::vector<std::string> items;
  std::vector<TreeItem> treeItems;
  int currentSelection = -1;  // list box item or tree row
  int selectionStart = 0;
  int selectionEnd = 0;

  std::unique_ptr<DialogState> dialog;
  // A window of the layer's own (the shell's folder window) may bring its own
  // procedure; it gets the messages before the class does.
  std::function<bool(Window& window, UINT message, WPARAM wParam, LPARAM lParam)> ownProcedure;

 private:
  HWND handle_;
  WindowKind kind_;
  std::string className_;
};

// Frame metrics of a top-level window with a caption, Win9x-like.
constexpr int kFrameWidth = 3;
constexpr int kCaptionHeight = 18;

}  // namespace platform::ui
