// Finds the host entries behind a virtual path's components: each component
// matches the host entry of the same name without regard to case, an
// exact-case entry winning. When the exact-case host path exists, no
// directory is scanned.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform::fs {

struct HostEntry {
  std::string path;           // found components with their host names, the rest as given
  bool exists = false;        // every component was found
  bool isDirectory = false;   // the entry exists and is a directory
  bool parentExists = false;  // every component but the last was found, as directories
};

// `root` is the real host path of the drive. Symbolic links are followed only
// while they stay on the drive; one that leads off it counts as missing.
// `scans` counts the directories that had to be read.
HostEntry ResolveComponents(const std::string& root, const std::vector<std::string>& components,
                            size_t& scans);

// Whether the host path lies on the drive whose real root is `root`.
bool StaysOnDrive(const std::string& root, const std::string& hostPath);

}  // namespace platform::fs
