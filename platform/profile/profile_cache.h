// Parsed profile files kept while the file is unchanged: the same size,
// modification time and file, so that every read still sees what the file
// holds now while a file read many times is parsed once.
#pragma once

#include <sys/stat.h>

#include <map>
#include <string>

#include "platform/profile/profile_document.h"

namespace platform::profile {

class ProfileCache {
 public:
  // The parsed file, or null when it cannot be read.
  const ProfileDocument* load(const std::string& hostPath);
  void forget(const std::string& hostPath) { entries_.erase(hostPath); }
  // How many times a file was read and parsed, for tests of the cost.
  size_t parses() const { return parses_; }

 private:
  struct Entry {
    dev_t device;
    ino_t inode;
    off_t size;
    struct timespec modified;
    ProfileDocument document;
  };

  std::map<std::string, Entry> entries_;
  size_t parses_ = 0;
};

}  // namespace platform::profile
