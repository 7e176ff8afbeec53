// The process's view of the virtual drives: the current directory, path
// resolution to the host, the machine's denied and read-only folders, and the
// open files.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/fs/directory_listing.h"
#include "platform/fs/host_resolver.h"
#include "platform/fs/machine.h"
#include "platform/fs/virtual_path.h"

namespace platform::fs {

struct Resolved {
  VirtualPath path;  // the full virtual path
  std::string host;  // its host path
  bool exists = false;
  bool isDirectory = false;
  bool parentExists = false;  // the folder it would be created in exists
};

class FileSystem {
 public:
  explicit FileSystem(Machine& machine);
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  ~FileSystem();

  Machine& machine() { return machine_; }
  const std::string& currentDirectory() const { return currentDirectory_; }
  void setCurrentDirectory(const VirtualPath& path) { currentDirectory_ = path.text(); }

  // Resolves a path the program gives. Fails with a Win32 error when it names
  // nothing on a drive with a disk, or lies in a denied folder.
  bool resolve(const std::string& path, Resolved& resolved, DWORD& error) const;
  // A drive's root on the host, or null for a drive without a disk.
  const DriveRoot* driveRoot(char letter) const;
  // Creating or writing here is refused: a CD-ROM, or a read-only folder.
  bool isReadOnly(const VirtualPath& path) const;
  // How many host directories resolution had to read, for tests of its cost.
  size_t directoryScans() const { return directoryScans_; }

  HANDLE openForReading(const std::string& hostPath, DWORD& error);
  bool read(HANDLE file, void* buffer, DWORD size, DWORD& read, DWORD& error);
  bool close(HANDLE file);

  // Directory listings in progress: FindFirstFileA's handles.
  HANDLE startListing(std::vector<ListedEntry> entries);
  // The listing's next entry, or null at its end or for an unknown handle.
  const ListedEntry* nextListed(HANDLE listing);
  bool endListing(HANDLE listing);

 private:
  class OpenFile;
  bool isDenied(const VirtualPath& path) const;
  std::vector<VirtualPath> folders(const std::vector<std::string>& list) const;

  Machine& machine_;
  std::string currentDirectory_;
  std::vector<VirtualPath> denied_;
  std::vector<VirtualPath> readOnly_;
  mutable size_t directoryScans_ = 0;
  // Opened as they are first needed; remade when a drive's disk changes.
  mutable std::array<std::unique_ptr<DriveRoot>, 26> roots_;
  mutable std::array<std::string, 26> rootSources_;
  struct Listing {
    std::vector<ListedEntry> entries;
    size_t next = 0;
  };
  HANDLE newHandle();

  std::map<HANDLE, std::unique_ptr<OpenFile>> files_;
  std::map<HANDLE, Listing> listings_;
  uintptr_t nextHandle_ = 0x1000;
};

// The file system of the running program (or of a test).
FileSystem& Files();
void SetFiles(FileSystem* files);

}  // namespace platform::fs
