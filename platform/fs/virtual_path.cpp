#include "platform/fs/virtual_path.h"

#include <cctype>

#include "platform/profile/profile_document.h"

namespace platform::fs {
namespace {

constexpr size_t kMaxPath = 259;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool SameDrive(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Adds the components of `rest` to `path`, taking "." and ".." as they come.
bool Append(const std::string& rest, VirtualPath& path) {
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    std::string part = rest.substr(start, end - start);
    if (part == "..") {
      // As on Windows, ".." at a drive's root stays there: no path leaves its drive.
      if (!path.components.empty()) path.components.pop_back();
    } else if (!part.empty() && part != ".") {
      path.components.push_back(part);
    }
    start = end + 1;
  }
  return true;
}

// The current directory is always a full path.
bool ParseCurrent(const std::string& currentDirectory, VirtualPath& current) {
  if (!HasDrive(currentDirectory)) return false;
  current.drive = currentDirectory[0];
  return Append(currentDirectory.substr(2), current);
}

}  // namespace

std::string VirtualPath::text() const {
  std::string text(1, drive);
  text += ":";
  if (components.empty()) return text + "\\";
  for (const std::string& part : components) text += "\\" + part;
  return text;
}

VirtualPath VirtualPath::parent() const {
  VirtualPath up = *this;
  if (!up.components.empty()) up.components.pop_back();
  return up;
}

bool VirtualPath::within(const VirtualPath& other) const {
  if (!SameDrive(drive, other.drive) || components.size() < other.components.size()) return false;
  for (size_t i = 0; i < other.components.size(); ++i) {
    if (!profile::NamesEqual(components[i], other.components[i])) return false;
  }
  return true;
}

bool MakeFullPath(const std::string& path, const std::string& currentDirectory, VirtualPath& full,
                  DWORD& error) {
  error = ERROR_PATH_NOT_FOUND;
  if (path.empty() || path.size() > kMaxPath) {
    if (!path.empty()) error = ERROR_FILENAME_EXCED_RANGE;
    return false;
  }
  VirtualPath current;
  bool haveCurrent = ParseCurrent(currentDirectory, current);
  std::string rest;
  if (HasDrive(path)) {
    full = VirtualPath{path[0], {}};
    rest = path.substr(2);
    bool relative = rest.empty() || !IsSeparator(rest[0]);
    if (relative && haveCurrent && SameDrive(current.drive, path[0])) {
      full = current;
      full.drive = path[0];
    }
  } else if (IsSeparator(path[0])) {
    if (path.size() > 1 && IsSeparator(path[1])) return false;  // network paths name no drive
    if (!haveCurrent) return false;
    full = VirtualPath{current.drive, {}};
    rest = path;
  } else {
    if (!haveCurrent) return false;
    full = current;
    rest = path;
  }
  if (!Append(rest, full)) return false;
  if (full.text().size() > kMaxPath) {
    error = ERROR_FILENAME_EXCED_RANGE;
    return false;
  }
  error = ERROR_SUCCESS;
  return true;
}

}  // namespace platform::fs
