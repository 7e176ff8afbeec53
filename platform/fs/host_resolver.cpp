#include "platform/fs/host_resolver.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <linux/openat2.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

#include "platform/fs/directory_stream.h"
#include "platform/profile/profile_document.h"

namespace platform::fs {
namespace {

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

DriveRoot::DriveRoot(const std::string& hostPath) {
  char real[PATH_MAX];
  if (!realpath(hostPath.c_str(), real)) return;
  path_ = real;
  descriptor_ = ::open(real, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

DriveRoot::~DriveRoot() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

namespace {

enum class Lookup { Found, Missing, Unsupported };

// The path below the root in one system call that refuses to leave it.
Lookup LookUpBeneath(const DriveRoot& root, const std::string& relative, bool& isDirectory) {
  struct open_how how = {};
  how.flags = O_PATH | O_CLOEXEC;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
  int descriptor = int(syscall(SYS_openat2, root.descriptor(), relative.c_str(), &how, sizeof how));
  if (descriptor < 0) return errno == ENOSYS ? Lookup::Unsupported : Lookup::Missing;
  struct stat info;
  bool known = fstat(descriptor, &info) == 0;
  ::close(descriptor);
  isDirectory = known && S_ISDIR(info.st_mode);
  return known ? Lookup::Found : Lookup::Missing;
}

// The same without openat2: the path must stay on the drive once resolved.
Lookup LookUpChecked(const DriveRoot& root, const std::string& exact, bool& isDirectory) {
  struct stat info;
  if (lstat(exact.c_str(), &info) != 0 || !StaysOnDrive(root.path(), exact) ||
      stat(exact.c_str(), &info) != 0) {
    return Lookup::Missing;
  }
  isDirectory = S_ISDIR(info.st_mode);
  return Lookup::Found;
}

}  // namespace

HostEntry ResolveComponents(const DriveRoot& root, const std::vector<std::string>& components,
                            size_t& scans) {
  HostEntry entry;
  std::string relative;
  for (const std::string& component : components) {
    relative += (relative.empty() ? "" : "/") + component;
  }
  std::string exact = relative.empty() ? root.path() : root.path() + "/" + relative;
  // The fast path: the path exists as the program spelt it.
  bool isDirectory = false;
  Lookup lookup = relative.empty() ? Lookup::Found : LookUpBeneath(root, relative, isDirectory);
  if (lookup == Lookup::Unsupported) lookup = LookUpChecked(root, exact, isDirectory);
  if (relative.empty()) isDirectory = true;
  if (lookup == Lookup::Found) return HostEntry{exact, true, isDirectory, true};
  entry.path = root.path();
  entry.parentExists = true;
  isDirectory = true;
  for (size_t i = 0; i < components.size(); ++i) {
    std::string found = isDirectory ? FindEntry(entry.path, components[i], scans) : "";
    bool last = i + 1 == components.size();
    if (found.empty() || !Examine(root.path(), entry.path + "/" + found, isDirectory)) {
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
