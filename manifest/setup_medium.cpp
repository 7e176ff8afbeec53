#include "manifest/setup_medium.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The offset just after the text's last separator character, or 0.
size_t AfterLastSeparator(const char* text) {
  size_t after = 0;
  for (size_t i = 0; text[i]; ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && text[i + 1]) {
      ++i;  // the pair's second byte is never a separator
    } else if (IsSeparator(text[i])) {
      after = i + 1;
    }
  }
  return after;
}

bool EndsWithSeparator(const char* text) {
  size_t length = strlen(text);
  return length > 0 && AfterLastSeparator(text) == length;
}

}  // namespace

void SplitMediumPath(const char* fullPath, SetupMedium* medium) {
  medium->drive[0] = '\0';
  const char* rest = fullPath;
  if (fullPath[0] && fullPath[1] == ':') {
    medium->drive[0] = fullPath[0];
    medium->drive[1] = ':';
    medium->drive[2] = '\0';
    rest = fullPath + 2;
  }
  size_t length = AfterLastSeparator(rest);
  memcpy(medium->directory, rest, length);
  medium->directory[length] = '\0';
}

bool LocateSetupMedium(SetupMedium* medium) {
  char fullPath[kPathSize];
  char* filePart = nullptr;
  DWORD length = SearchPathA(nullptr, "Setup.EXE", nullptr, kPathSize, fullPath, &filePart);
  // A path that does not fit gives the size it needs and fills nothing.
  if (length == 0 || length >= kPathSize) return false;
  SplitMediumPath(fullPath, medium);
  return true;
}

bool MediumPath(const SetupMedium& medium, const char* name, char* path) {
  const char* separator = medium.directory[0] && !EndsWithSeparator(medium.directory) ? "\\" : "";
  int length =
      snprintf(path, kPathSize, "%s%s%s%s", medium.drive, medium.directory, separator, name);
  if (length < 0 || length >= kPathSize) {
    path[0] = '\0';
    return false;
  }
  return true;
}

bool CopyManifestToWindowsDir(SetupMedium* medium, bool* copied) {
  if (copied) *copied = false;
  if (!LocateSetupMedium(medium)) return false;
  char windowsDir[kPathSize + 1];
  GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
  char source[kPathSize];
  char destination[kPathSize];
  int length = snprintf(destination, sizeof destination, "%s\\ISCII.INI", windowsDir);
  if (MediumPath(*medium, "ISCII.INI", source) && length > 0 && length < kPathSize &&
      CopyFileA(source, destination, FALSE) && copied) {
    *copied = true;
  }
  return true;
}
