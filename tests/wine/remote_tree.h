// The folder browser's tree of another process. A tree view's items are read
// with TVM_GETITEMA into memory taken in that process, since the message's
// pointer is used there.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

namespace wine_player {

class RemoteTree {
 public:
  RemoteTree(HANDLE process, HWND tree);
  ~RemoteTree();
  RemoteTree(const RemoteTree&) = delete;
  RemoteTree& operator=(const RemoteTree&) = delete;

  // The items below `parent` (null: the roots) with their texts, after it
  // has been expanded.
  std::vector<std::pair<HTREEITEM, std::string>> children(HTREEITEM parent);
  void select(HTREEITEM item);

 private:
  std::string textOf(HTREEITEM item);

  HANDLE process_;
  HWND tree_;
  void* remote_ = nullptr;  // a TVITEMA and its text, in the other process
};

// Selects the folder of `path` (e.g. "c:\Program Files\Netscape") in the
// folder browser: from a root down through the drive and each folder of the
// path, matched without regard to case. `found` tells how far it came.
bool SelectFolder(HANDLE process, HWND browser, const std::string& path, std::string& found);

}  // namespace wine_player
