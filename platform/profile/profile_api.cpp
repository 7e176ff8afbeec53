// KERNEL32's profile-string functions over the virtual drives. A bare file
// name means the file in the Windows directory.
#include "platform/automation/transcript.h"
#include "platform/fs/file_system.h"
#include "platform/fs/host_files.h"
#include "platform/profile/code_page.h"
#include "platform/profile/profile_cache.h"
#include "platform/profile/profile_edit.h"
#include "platform/profile/profile_read.h"
#include "platform/runtime.h"

using platform::SetLastErrorCode;
using platform::fs::Files;
using platform::fs::Resolved;

namespace {

std::string ProfilePath(const char* fileName) {
  std::string name = fileName ? fileName : "win.ini";
  if (name.find_first_of("\\/:") != std::string::npos) return name;
  return Files().machine().windowsDir + "\\" + name;
}

void ForgetParsed(const std::string& hostPath) {
  if (platform::profile::ProfileCache* cache = platform::TheRuntime().profiles) {
    cache->forget(hostPath);
  }
}

std::string Quoted(const char* text) { return platform::automation::Transcript::quote(text); }

void TranscribeWrite(const char* section, const char* key, const char* value) {
  if (!key) {
    platform::Transcribe("profile-delete " + Quoted(section));
  } else if (!value) {
    platform::Transcribe("profile-delete " + Quoted(section) + " " + Quoted(key));
  } else {
    platform::Transcribe("profile-write " + Quoted(section) + " " + Quoted(key) + " " +
                         Quoted(value));
  }
}

BOOL Write(const char* section, const char* key, const char* value, const char* fileName) {
  Resolved resolved;
  DWORD error;
  if (!Files().resolve(ProfilePath(fileName), resolved, error)) {
    SetLastErrorCode(error);
    return FALSE;
  }
  if (resolved.isDirectory || !resolved.parentExists || Files().isReadOnly(resolved.path)) {
    SetLastErrorCode(resolved.parentExists ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  std::string before;
  if (resolved.exists && !platform::fs::ReadHostFile(resolved.host, before)) {
    SetLastErrorCode(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  using namespace platform::profile;
  // A file marked as UTF-8 gets what the program writes in UTF-8.
  bool utf8 = before.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0;
  auto text = [utf8](const char* ansi) { return utf8 ? AnsiToUtf8(ansi) : std::string(ansi); };
  std::string after = !key     ? DeleteSection(before, text(section))
                      : !value ? DeleteKey(before, text(section), text(key))
                               : WriteKey(before, text(section), text(key), text(value));
  if (after == before && (resolved.exists || !value)) return TRUE;
  ForgetParsed(resolved.host);
  if (!platform::fs::ReplaceFileWith(resolved.host, after)) {
    SetLastErrorCode(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                                      DWORD size, LPCSTR fileName) {
  using platform::profile::ProfileDocument;
  Resolved resolved;
  DWORD error = ERROR_FILE_NOT_FOUND;
  const ProfileDocument* document = nullptr;
  ProfileDocument uncached;  // without a cache every read parses the file
  std::string text;
  if (Files().resolve(ProfilePath(fileName), resolved, error) && resolved.exists &&
      !resolved.isDirectory) {
    if (platform::profile::ProfileCache* cache = platform::TheRuntime().profiles) {
      document = cache->load(resolved.host);
    } else if (platform::fs::ReadHostFile(resolved.host, text)) {
      uncached = ProfileDocument::parse(text);
      document = &uncached;
    }
  }
  SetLastErrorCode(document ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
  return platform::profile::ReadProfileString(document, section, key, defaultValue, buffer, size);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
  // With no section at all Win32 only flushes its cache: there is nothing to flush.
  if (!section) return key == nullptr && value == nullptr;
  BOOL written = Write(section, key, value, fileName);
  TranscribeWrite(section, key, value);
  return written;
}
