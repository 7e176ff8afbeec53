#include "platform/profile/profile_cache.h"

#include "platform/fs/host_files.h"

namespace platform::profile {

const ProfileDocument* ProfileCache::load(const std::string& hostPath) {
  struct stat info;
  if (stat(hostPath.c_str(), &info) != 0) {
    entries_.erase(hostPath);
    return nullptr;
  }
  auto found = entries_.find(hostPath);
  if (found != entries_.end()) {
    const Entry& entry = found->second;
    if (entry.device == info.st_dev && entry.inode == info.st_ino && entry.size == info.st_size &&
        entry.modified.tv_sec == info.st_mtim.tv_sec &&
        entry.modified.tv_nsec == info.st_mtim.tv_nsec) {
      return &entry.document;
    }
  }
  std::string text;
  if (!fs::ReadHostFile(hostPath, text)) return nullptr;
  ++parses_;
  Entry entry{info.st_dev, info.st_ino, info.st_size, info.st_mtim, ProfileDocument::parse(text)};
  return &(entries_[hostPath] = std::move(entry)).document;
}

}  // namespace platform::profile
