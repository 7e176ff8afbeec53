// One read of a host directory: its entries in the order the host lists them,
// with Win32's attributes, filtered by a DOS pattern. The attributes come from
// the entry types the read reports, with no look at each entry, so that a
// listing costs what the host's own does: sizes and times are not given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32.h"

namespace platform::fs {

struct ListedEntry {
  std::string name;
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
};

// '*' stands for any run of characters, '?' for one; "*.*" for every name;
// letters compare without regard to case.
bool MatchesDosPattern(std::string_view name, std::string_view pattern);

// Lists `directory`, the host folder of a virtual directory on the drive whose
// real root is `root`. Non-root directories list "." and ".." first. A link is
// a reparse point, a directory only when it leads to one on the drive. False
// when the directory cannot be read.
bool ListHostDirectory(const std::string& root, const std::string& directory, bool isRoot,
                       std::string_view pattern, std::vector<ListedEntry>& entries);

}  // namespace platform::fs
