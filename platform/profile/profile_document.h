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
  // The names of the sections that came from a header line, and the key names of the first
  // section of a name, in file order, a name that comes again listed again; an empty name is
  // left out (it could not be told from the end of a zero-separated list).
  std::vector<std::string> sectionNames() const;
  std::vector<std::string> keyNames(std::string_view section) const;

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

// One line of text and the line end after it (empty on a last line without one).
struct TextLine {
  std::string_view body;
  std::string_view end;
};
// Splits at CR LF, LF or a lone CR; a final line without an end counts too.
std::vector<TextLine> SplitTextLines(std::string_view text);

// What one line (without its end) is to the reader.
struct ProfileLine {
  enum Kind { kOther, kHeader, kKey };
  Kind kind = kOther;
  std::string_view name;   // the section's or key's name, trimmed
  std::string_view value;  // a key's value, trimmed and unquoted
};
ProfileLine ReadProfileLine(std::string_view line);

// Names compare with the letters A-Z folded to a-z.
bool NamesEqual(std::string_view a, std::string_view b);
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

}  // namespace platform::profile
