// KERNEL32's file functions over the virtual drives: reading files and
// copying them.
#include "platform/automation/transcript.h"
#include "platform/fs/file_system.h"
#include "platform/fs/host_files.h"
#include "platform/runtime.h"

using platform::SetLastErrorCode;
using platform::fs::Files;
using platform::fs::Resolved;

namespace {

BOOL Fail(DWORD error) {
  SetLastErrorCode(error);
  return FALSE;
}

// The file must exist and not be a directory.
bool ResolveExistingFile(const char* path, Resolved& resolved, DWORD& error) {
  if (!path || !Files().resolve(path, resolved, error)) return false;
  if (!resolved.exists) {
    error = resolved.parentExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    return false;
  }
  if (resolved.isDirectory) {
    error = ERROR_ACCESS_DENIED;
    return false;
  }
  return true;
}

BOOL Copy(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists) {
  Resolved from, to;
  DWORD error = ERROR_PATH_NOT_FOUND;
  if (!ResolveExistingFile(existingFile, from, error)) return Fail(error);
  if (!newFile || !Files().resolve(newFile, to, error)) return Fail(error);
  if (!to.parentExists) return Fail(ERROR_PATH_NOT_FOUND);
  if (to.exists && to.isDirectory) return Fail(ERROR_ACCESS_DENIED);
  if (to.exists && failIfExists) return Fail(ERROR_FILE_EXISTS);
  if (Files().isReadOnly(to.path)) return Fail(ERROR_ACCESS_DENIED);
  if (!platform::fs::CopyHostFile(from.host, to.host)) return Fail(ERROR_ACCESS_DENIED);
  return TRUE;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD access, DWORD, LPSECURITY_ATTRIBUTES,
                          DWORD creation, DWORD, HANDLE) {
  // Only reading existing files is needed here.
  if (creation != OPEN_EXISTING || (access & ~DWORD(GENERIC_READ))) {
    SetLastErrorCode(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  Resolved resolved;
  DWORD error = ERROR_PATH_NOT_FOUND;
  if (!ResolveExistingFile(fileName, resolved, error)) {
    SetLastErrorCode(error);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE file = Files().openForReading(resolved.host, error);
  SetLastErrorCode(file == INVALID_HANDLE_VALUE ? error : ERROR_SUCCESS);
  return file;
}

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, LPOVERLAPPED) {
  DWORD count = 0, error = ERROR_SUCCESS;
  bool ok = buffer && Files().read(file, buffer, toRead, count, error);
  if (read) *read = count;
  return ok ? TRUE : Fail(buffer ? error : ERROR_INVALID_PARAMETER);
}

BOOL WINAPI CloseHandle(HANDLE object) {
  return Files().close(object) ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

BOOL WINAPI CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists) {
  BOOL copied = Copy(existingFile, newFile, failIfExists);
  using platform::automation::Transcript;
  platform::Transcribe("copy " + Transcript::quote(existingFile ? existingFile : "") + " " +
                       Transcript::quote(newFile ? newFile : "") + (copied ? " ok" : " failed"));
  return copied;
}
