// Virtual paths as the program writes them ("c:\WINDOWS\Fonts"), made full
// against the current directory and split into a drive and components.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::fs {

struct VirtualPath {
  char drive = 0;  // the letter as written
  std::vector<std::string> components;

  // "C:\a\b", or "C:\" for a drive's root.
  std::string text() const;
  bool isRoot() const { return components.empty(); }
  VirtualPath parent() const;
  // This path is `other` or lies below it; names compare without regard to case.
  bool within(const VirtualPath& other) const;
};

// Makes `path` full: "x:\..." as it is, "\..." on the current drive, "x:rest"
// and "rest" against the current directory when on that drive; '\' and '/'
// both separate; "." and ".." go lexically, ".." at a root staying there.
// Fails with a Win32 error for a path that names no drive or is longer than
// 259 characters.
bool MakeFullPath(const std::string& path, const std::string& currentDirectory, VirtualPath& full,
                  DWORD& error);

}  // namespace platform::fs
