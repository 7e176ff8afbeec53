// The text of an initialization file, parsed the way the profile-string
// functions read it: sections and keys without regard to case, white space
// around names and values dropped, matching quotes removed, the first section
// and the first key of a name winning, CR LF, LF and CR line ends alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::profile {

class ProfileDocument {
 public:
  static ProfileDocument parse(std::string_view text);

  // The value of the key in the first section of that name, or nothing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;

 private:
  struct Key {
    std::string name;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Key> keys;
  };
  const Section* findSection(std::string_view name) const;

  std::vector<Section> sections_;  // the keys before any header form a section named ""
};

// Names compare with the letters A-Z folded to a-z.
bool NamesEqual(std::string_view a, std::string_view b);
std::string_view TrimBlanks(std::string_view text);

}  // namespace platform::profile
