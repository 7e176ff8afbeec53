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

// A drive's root on the host: its real path, held open so that paths below it
// are looked up with one system call that cannot leave it.
class DriveRoot {
 public:
  explicit DriveRoot(const std::string& hostPath);
  ~DriveRoot();
  DriveRoot(const DriveRoot&) = delete;
  DriveRoot& operator=(const DriveRoot&) = delete;
  bool isOpen() const { return descriptor_ >= 0; }
  const std::string& path() const { return path_; }
  int descriptor() const { return descriptor_; }

 private:
  std::string path_;
  int descriptor_ = -1;
};

// Symbolic links are followed only while they stay on the drive; one that
// leads off it counts as missing. `scans` counts the directories that had to
// be read.
HostEntry ResolveComponents(const DriveRoot& root, const std::vector<std::string>& components,
                            size_t& scans);

// Whether the host path lies on the drive whose real root is `root`.
bool StaysOnDrive(const std::string& root, const std::string& hostPath);

}  // namespace platform::fs
