// A host directory stream that closes itself.
#pragma once

#include <dirent.h>

#include <string>

namespace platform::fs {

class DirectoryStream {
 public:
  explicit DirectoryStream(const std::string& path) : dir_(opendir(path.c_str())) {}
  ~DirectoryStream() {
    if (dir_) closedir(dir_);
  }
  DirectoryStream(const DirectoryStream&) = delete;
  DirectoryStream& operator=(const DirectoryStream&) = delete;

  bool isOpen() const { return dir_ != nullptr; }
  int descriptor() const { return dirfd(dir_); }
  // The next entry, or null at the end (or for a stream that did not open).
  dirent* next() { return dir_ ? readdir(dir_) : nullptr; }

 private:
  DIR* dir_;
};

}  // namespace platform::fs
