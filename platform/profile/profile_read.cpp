#include "platform/profile/profile_read.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace platform::profile {
namespace {

// Copies text cut to size - 1 bytes and ends it with a zero.
DWORD CopyString(std::string_view text, char* buffer, DWORD size) {
  size_t count = std::min<size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return DWORD(count);
}

// Copies the names, each ended by a zero, then one more zero (an empty list is
// one zero); a list that does not fit keeps what fits in size - 2 bytes and
// ends with two zeros.
DWORD CopyList(const std::vector<std::string>& names, char* buffer, DWORD size) {
  std::string list;
  for (const std::string& name : names) list.append(name).push_back('\0');
  if (list.size() < size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return DWORD(list.size());
  }
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = '\0';
  buffer[size - 1] = '\0';
  return size - 2;
}

// The default loses its trailing spaces; tabs stay.
std::string_view DefaultOf(const char* defaultValue) {
  std::string_view text = defaultValue ? defaultValue : "";
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

DWORD ReadProfileString(const ProfileDocument* document, const char* section, const char* key,
                        const char* defaultValue, char* buffer, DWORD size) {
  if (size == 0 || !buffer) return 0;
  static const ProfileDocument kEmpty = ProfileDocument::parse("");
  const ProfileDocument& file = document ? *document : kEmpty;
  if (!section) return CopyList(file.sectionNames(), buffer, size);
  if (!key) {
    // A section with no keys, or none of the name, gives the default instead.
    std::vector<std::string> keys = file.keyNames(section);
    if (!keys.empty()) return CopyList(keys, buffer, size);
  } else if (auto value = file.value(section, key)) {
    return CopyString(*value, buffer, size);
  }
  return CopyString(DefaultOf(defaultValue), buffer, size);
}

}  // namespace platform::profile
