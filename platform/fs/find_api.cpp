// KERNEL32's directory listing: FindFirstFileA, FindNextFileA, FindClose.
#include <cstring>

#include "platform/fs/file_system.h"
#include "platform/fs/host_resolver.h"
#include "platform/runtime.h"

using platform::SetLastErrorCode;
using platform::fs::Files;
using platform::fs::ListedEntry;

namespace {

void Fill(const ListedEntry& entry, LPWIN32_FIND_DATAA data) {
  std::memset(data, 0, sizeof *data);
  data->dwFileAttributes = entry.attributes;
  std::memcpy(data->cFileName, entry.name.c_str(), entry.name.size() + 1);
}

// The folder part of a pattern ("c:\Program Files" of "c:\Program Files\*").
std::string FolderOf(const std::string& pattern, std::string& names) {
  size_t separator = pattern.find_last_of("\\/");
  if (separator == std::string::npos) {
    bool drive = pattern.size() >= 2 && pattern[1] == ':';
    names = drive ? pattern.substr(2) : pattern;
    return drive ? pattern.substr(0, 2) : ".";
  }
  names = pattern.substr(separator + 1);
  return pattern.substr(0, separator + 1);
}

}  // namespace

HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
  if (!pattern || !data) {
    SetLastErrorCode(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string names;
  std::string folder = FolderOf(pattern, names);
  platform::fs::Resolved resolved;
  DWORD error;
  if (!Files().resolve(folder, resolved, error)) {
    SetLastErrorCode(error);
    return INVALID_HANDLE_VALUE;
  }
  std::vector<ListedEntry> entries;
  if (!resolved.exists || !resolved.isDirectory || names.empty() ||
      !platform::fs::ListHostDirectory(Files().driveRoot(resolved.path.drive)->path(),
                                       resolved.host, resolved.path.isRoot(), names, entries)) {
    SetLastErrorCode(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if (entries.empty()) {
    SetLastErrorCode(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE search = Files().startListing(std::move(entries));
  Fill(*Files().nextListed(search), data);
  SetLastErrorCode(ERROR_SUCCESS);
  return search;
}

BOOL WINAPI FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data) {
  const ListedEntry* entry = data ? Files().nextListed(search) : nullptr;
  if (!entry) {
    SetLastErrorCode(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  Fill(*entry, data);
  return TRUE;
}

BOOL WINAPI FindClose(HANDLE search) {
  if (Files().endListing(search)) return TRUE;
  SetLastErrorCode(ERROR_INVALID_HANDLE);
  return FALSE;
}
