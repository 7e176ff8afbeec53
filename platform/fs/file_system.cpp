#include "platform/fs/file_system.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/fs/host_resolver.h"
#include "platform/runtime.h"

namespace platform::fs {

// An open host file descriptor, closed with its owner.
class FileSystem::OpenFile {
 public:
  explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
  ~OpenFile() { ::close(descriptor_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int descriptor() const { return descriptor_; }

 private:
  int descriptor_;
};

FileSystem& Files() { return Required(TheRuntime().files, "file system"); }

void SetFiles(FileSystem* files) { TheRuntime().files = files; }

FileSystem::FileSystem(Machine& machine)
    : machine_(machine),
      currentDirectory_(machine.cwd.empty() ? "C:\\" : machine.cwd),
      denied_(folders(machine.deny)),
      readOnly_(folders(machine.readonly)) {}

FileSystem::~FileSystem() = default;

std::vector<VirtualPath> FileSystem::folders(const std::vector<std::string>& list) const {
  std::vector<VirtualPath> result;
  for (const std::string& text : list) {
    VirtualPath path;
    DWORD error;
    if (MakeFullPath(text, "C:\\", path, error)) result.push_back(path);
  }
  return result;
}

bool FileSystem::isDenied(const VirtualPath& path) const {
  for (const VirtualPath& folder : denied_) {
    if (path.within(folder)) return true;
  }
  return false;
}

bool FileSystem::isReadOnly(const VirtualPath& path) const {
  const Drive* drive = machine_.findDrive(path.drive);
  if (drive && drive->type == DriveType::CdRom) return true;
  for (const VirtualPath& folder : readOnly_) {
    if (path.within(folder)) return true;
  }
  return false;
}

bool FileSystem::resolve(const std::string& text, Resolved& resolved, DWORD& error) const {
  if (!MakeFullPath(text, currentDirectory_, resolved.path, error)) return false;
  const Drive* drive = machine_.findDrive(resolved.path.drive);
  if (!drive || drive->type == DriveType::None) {
    error = ERROR_PATH_NOT_FOUND;
    return false;
  }
  const DriveRoot* root = driveRoot(resolved.path.drive);
  if (!root) {
    error = ERROR_NOT_READY;
    return false;
  }
  if (isDenied(resolved.path)) {
    error = ERROR_ACCESS_DENIED;
    return false;
  }
  HostEntry entry = ResolveComponents(*root, resolved.path.components, directoryScans_);
  resolved.host = entry.path;
  resolved.exists = entry.exists;
  resolved.isDirectory = entry.isDirectory;
  resolved.parentExists = entry.parentExists;
  error = ERROR_SUCCESS;
  return true;
}

const DriveRoot* FileSystem::driveRoot(char letter) const {
  const Drive* drive = machine_.findDrive(letter);
  if (!drive || drive->type == DriveType::None || drive->hostPath.empty()) return nullptr;
  size_t index = size_t(std::tolower(static_cast<unsigned char>(letter)) - 'a');
  if (!roots_[index] || rootSources_[index] != drive->hostPath) {
    roots_[index] = std::make_unique<DriveRoot>(drive->hostPath);
    rootSources_[index] = drive->hostPath;
  }
  return roots_[index]->isOpen() ? roots_[index].get() : nullptr;
}

HANDLE FileSystem::openForReading(const std::string& hostPath, DWORD& error) {
  int descriptor = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    error = errno == ENOENT ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
    return INVALID_HANDLE_VALUE;
  }
  HANDLE handle = newHandle();
  files_[handle] = std::make_unique<OpenFile>(descriptor);
  return handle;
}

HANDLE FileSystem::newHandle() {
  nextHandle_ += 4;
  return reinterpret_cast<HANDLE>(nextHandle_);
}

HANDLE FileSystem::startListing(std::vector<ListedEntry> entries) {
  HANDLE handle = newHandle();
  listings_[handle] = Listing{std::move(entries), 0};
  return handle;
}

const ListedEntry* FileSystem::nextListed(HANDLE listing) {
  auto found = listings_.find(listing);
  if (found == listings_.end() || found->second.next >= found->second.entries.size()) {
    return nullptr;
  }
  return &found->second.entries[found->second.next++];
}

bool FileSystem::endListing(HANDLE listing) { return listings_.erase(listing) > 0; }

bool FileSystem::read(HANDLE file, void* buffer, DWORD size, DWORD& count, DWORD& error) {
  count = 0;
  auto found = files_.find(file);
  if (found == files_.end()) {
    error = ERROR_INVALID_HANDLE;
    return false;
  }
  char* out = static_cast<char*>(buffer);
  while (count < size) {
    ssize_t got = ::read(found->second->descriptor(), out + count, size - count);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = ERROR_ACCESS_DENIED;
      return false;
    }
    if (got == 0) break;
    count += DWORD(got);
  }
  return true;
}

bool FileSystem::close(HANDLE file) { return files_.erase(file) > 0; }

}  // namespace platform::fs
