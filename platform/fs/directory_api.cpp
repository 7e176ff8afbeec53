// Directories, drives and the search for a file: the C run-time's _mkdir and
// _chdir, and KERNEL32's GetDriveTypeA, GetWindowsDirectoryA and SearchPathA.
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "platform/automation/transcript.h"
#include "platform/fs/file_system.h"
#include "platform/runtime.h"

using platform::fs::Files;
using platform::fs::Resolved;

namespace {

int MakeDirectory(const char* path) {
  Resolved resolved;
  DWORD error;
  if (!path || !Files().resolve(path, resolved, error)) {
    errno = ENOENT;
    return -1;
  }
  if (resolved.exists) {
    errno = EEXIST;
    return -1;
  }
  if (!resolved.parentExists) {
    errno = ENOENT;
    return -1;
  }
  if (Files().isReadOnly(resolved.path)) {
    errno = EACCES;
    return -1;
  }
  return ::mkdir(resolved.host.c_str(), 0755) == 0 ? 0 : -1;
}

// Copies text as Win32 does: the length written, or the size needed with its
// terminator when the buffer is too small.
DWORD CopyResult(const std::string& text, char* buffer, DWORD size) {
  if (!buffer || size < text.size() + 1) return DWORD(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return DWORD(text.size());
}

std::string FolderOfProgram() {
  const std::string& program = Files().machine().program;
  size_t separator = program.find_last_of("\\/");
  if (separator == std::string::npos) return "";
  return program.substr(0, separator == 2 ? 3 : separator);
}

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

// The folders SearchPathA looks in, in its order.
std::vector<std::string> SearchFolders(const char* path) {
  std::vector<std::string> folders;
  std::string list;
  if (path) {
    list = path;
  } else {
    const platform::fs::Machine& machine = Files().machine();
    folders = {FolderOfProgram(), Files().currentDirectory(), machine.systemDir,
               machine.windowsDir};
    list = machine.path;
  }
  std::stringstream entries(list);
  std::string entry;
  while (std::getline(entries, entry, ';')) {
    if (!entry.empty()) folders.push_back(entry);
  }
  return folders;
}

bool IsFile(const std::string& path, std::string& full) {
  Resolved resolved;
  DWORD error;
  if (!Files().resolve(path, resolved, error) || !resolved.exists || resolved.isDirectory) {
    return false;
  }
  full = resolved.path.text();
  return true;
}

}  // namespace

int _mkdir(const char* path) {
  int result = MakeDirectory(path);
  using platform::automation::Transcript;
  platform::Transcribe("mkdir " + Transcript::quote(path ? path : "") +
                       (result == 0 ? " ok" : " failed"));
  return result;
}

int _chdir(const char* path) {
  Resolved resolved;
  DWORD error;
  if (!path || !Files().resolve(path, resolved, error) || !resolved.exists) {
    errno = ENOENT;
    return -1;
  }
  // A file where the folder should be: the run-time's answer to ERROR_DIRECTORY.
  if (!resolved.isDirectory) {
    errno = EINVAL;
    return -1;
  }
  Files().setCurrentDirectory(resolved.path);
  return 0;
}

UINT WINAPI GetDriveTypeA(LPCSTR rootPath) {
  std::string root = rootPath ? rootPath : Files().currentDirectory().substr(0, 3);
  bool isRoot = (root.size() == 2 || (root.size() == 3 && (root[2] == '\\' || root[2] == '/'))) &&
                root[1] == ':' && std::isalpha(static_cast<unsigned char>(root[0]));
  if (!isRoot) return DRIVE_NO_ROOT_DIR;
  const platform::fs::Drive* drive = Files().machine().findDrive(root[0]);
  return drive ? UINT(drive->type) : DRIVE_NO_ROOT_DIR;
}

UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size) {
  std::string folder = Files().machine().windowsDir;
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return UINT(CopyResult(folder, buffer, size));
}

DWORD WINAPI SearchPathA(LPCSTR path, LPCSTR fileName, LPCSTR extension, DWORD size, LPSTR buffer,
                         LPSTR* filePart) {
  if (!fileName || !*fileName) {
    platform::SetLastErrorCode(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::string name = fileName;
  size_t lastSeparator = name.find_last_of("\\/:");
  std::string last = lastSeparator == std::string::npos ? name : name.substr(lastSeparator + 1);
  if (extension && last.find('.') == std::string::npos) name += extension;
  // A name with a folder in it is looked for there alone.
  std::vector<std::string> candidates;
  if (lastSeparator != std::string::npos) {
    candidates.push_back(name);
  } else {
    for (const std::string& folder : SearchFolders(path)) candidates.push_back(Join(folder, name));
  }
  for (const std::string& candidate : candidates) {
    std::string full;
    if (!IsFile(candidate, full)) continue;
    DWORD result = CopyResult(full, buffer, size);
    if (filePart && result == full.size()) *filePart = buffer + full.find_last_of('\\') + 1;
    platform::SetLastErrorCode(ERROR_SUCCESS);
    return result;
  }
  platform::SetLastErrorCode(ERROR_FILE_NOT_FOUND);
  return 0;
}
