#include "platform/fs/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/fs/directory_stream.h"
#include "platform/fs/host_resolver.h"

namespace platform::fs {
namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Attributes from the entry's type as the directory read reports it; only a
// link, or an entry of unknown type, costs a look of its own.
ListedEntry Examine(const std::string& root, const std::string& directory, int folder,
                    const dirent& raw) {
  ListedEntry entry;
  entry.name = raw.d_name;
  unsigned char type = raw.d_type;
  struct stat info;
  if (type == DT_UNKNOWN && fstatat(folder, raw.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
    type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
  }
  entry.attributes = type == DT_DIR ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  if (type == DT_LNK) {
    std::string path = directory + "/" + entry.name;
    bool toDirectory =
        StaysOnDrive(root, path) && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    entry.attributes = FILE_ATTRIBUTE_REPARSE_POINT | (toDirectory ? FILE_ATTRIBUTE_DIRECTORY : 0);
  }
  if (entry.name[0] == '.') {
    entry.attributes = (entry.attributes & ~DWORD(FILE_ATTRIBUTE_NORMAL)) | FILE_ATTRIBUTE_HIDDEN;
  }
  return entry;
}

}  // namespace

bool MatchesDosPattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") pattern = "*";
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++n, ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool ListHostDirectory(const std::string& root, const std::string& directory, bool isRoot,
                       std::string_view pattern, std::vector<ListedEntry>& entries) {
  DirectoryStream stream(directory);
  if (!stream.isOpen()) return false;
  entries.clear();
  std::vector<ListedEntry> dots;
  while (dirent* raw = stream.next()) {
    std::string_view name = raw->d_name;
    bool dot = name == "." || name == "..";
    if ((dot && isRoot) || name.size() >= MAX_PATH || !MatchesDosPattern(name, pattern)) continue;
    ListedEntry entry = Examine(root, directory, stream.descriptor(), *raw);
    if (dot) entry.attributes = FILE_ATTRIBUTE_DIRECTORY;
    (dot ? dots : entries).push_back(std::move(entry));
  }
  // "." before "..", both before every other entry.
  if (dots.size() == 2 && dots[0].name == "..") std::swap(dots[0], dots[1]);
  entries.insert(entries.begin(), dots.begin(), dots.end());
  return true;
}

}  // namespace platform::fs
