#include "platform/fs/host_resolver.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include "platform/profile/profile_document.h"

namespace platform::fs {
namespace {

// A directory stream that closes itself.
class DirectoryStream {
 public:
  explicit DirectoryStream(const std::string& path) : dir_(opendir(path.c_str())) {}
  ~DirectoryStream() {
    if (dir_) closedir(dir_);
  }
  DirectoryStream(const DirectoryStream&) = delete;
  DirectoryStream& operator=(const DirectoryStream&) = delete;
  dirent* next() { return dir_ ? readdir(dir_) : nullptr; }

 private:
  DIR* dir_;
};

// The entry of `directory` named `name` without regard to case, the
// exact-case one first; empty when there is none.
std::string FindEntry(const std::string& directory, const std::string& name, size_t& scans) {
  struct stat info;
  if (lstat((directory + "/" + name).c_str(), &info) == 0) return name;
  ++scans;
  DirectoryStream stream(directory);
  while (dirent* entry = stream.next()) {
    std::string candidate = entry->d_name;
    if (candidate != "." && candidate != ".." && profile::NamesEqual(candidate, name)) {
      return candidate;
    }
  }
  return "";
}

// Follows the entry if it is a link that stays on the drive; false otherwise.
bool Examine(const std::string& root, const std::string& path, bool& isDirectory) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return false;
  if (S_ISLNK(info.st_mode) && (!StaysOnDrive(root, path) || stat(path.c_str(), &info) != 0)) {
    return false;
  }
  isDirectory = S_ISDIR(info.st_mode);
  return true;
}

}  // namespace

bool StaysOnDrive(const std::string& root, const std::string& hostPath) {
  char real[PATH_MAX];
  if (!realpath(hostPath.c_str(), real)) return false;
  std::string resolved = real;
  return resolved.compare(0, root.size(), root) == 0 &&
         (resolved.size() == root.size() || resolved[root.size()] == '/' || root == "/");
}

HostEntry ResolveComponents(const std::string& root, const std::vector<std::string>& components,
                            size_t& scans) {
  HostEntry entry;
  std::string exact = root;
  for (const std::string& component : components) exact += "/" + component;
  // The fast path: the path exists as the program spelt it.
  struct stat info;
  if (lstat(exact.c_str(), &info) == 0 && StaysOnDrive(root, exact) &&
      stat(exact.c_str(), &info) == 0) {
    return HostEntry{exact, true, S_ISDIR(info.st_mode), true};
  }
  entry.path = root;
  entry.parentExists = true;
  bool isDirectory = true;
  for (size_t i = 0; i < components.size(); ++i) {
    std::string found = isDirectory ? FindEntry(entry.path, components[i], scans) : "";
    bool last = i + 1 == components.size();
    if (found.empty() || !Examine(root, entry.path + "/" + found, isDirectory)) {
      for (size_t j = i; j < components.size(); ++j) entry.path += "/" + components[j];
      entry.parentExists = last && isDirectory;
      return entry;
    }
    entry.path += "/" + found;
    if (!last && !isDirectory) {
      entry.parentExists = false;
      for (size_t j = i + 1; j < components.size(); ++j) entry.path += "/" + components[j];
      return entry;
    }
  }
  entry.exists = true;
  entry.isDirectory = isDirectory;
  return entry;
}

}  // namespace platform::fs
