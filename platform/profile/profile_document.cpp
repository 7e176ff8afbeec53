#include "platform/profile/profile_document.h"

#include "platform/profile/code_page.h"

namespace platform::profile {
namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// A value enclosed in a matching pair of double or single quotes loses them.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Adds each name once, skipping the empty one.
void AddName(std::vector<std::string>& names, const std::string& name) {
  if (!name.empty()) names.push_back(name);
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  return TrimTrailingBlanks(TrimLeadingBlanks(text));
}

std::vector<TextLine> SplitTextLines(std::string_view text) {
  std::vector<TextLine> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    size_t endSize = (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    lines.push_back(TextLine{text.substr(start, i - start), text.substr(i, endSize)});
    i += endSize - 1;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(TextLine{text.substr(start), {}});
  return lines;
}

ProfileLine ReadProfileLine(std::string_view raw) {
  std::string_view line = TrimBlanks(raw);
  if (!line.empty() && line.front() == '[') {
    size_t close = line.find(']');
    if (close == std::string_view::npos) return {};  // not a header without its bracket
    return ProfileLine{ProfileLine::kHeader, TrimBlanks(line.substr(1, close - 1)), {}};
  }
  size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return ProfileLine{ProfileLine::kKey, TrimBlanks(line.substr(0, equals)),
                     Unquote(TrimBlanks(line.substr(equals + 1)))};
}

ProfileDocument ProfileDocument::parse(std::string_view text) {
  // A file marked as UTF-8 is read in the program's code page.
  std::string converted;
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    converted = Utf8ToAnsi(text.substr(kUtf8Mark.size()));
    text = converted;
  }

  ProfileDocument document;
  document.sections_.push_back(Section{});
  for (const TextLine& raw : SplitTextLines(text)) {
    ProfileLine line = ReadProfileLine(raw.body);
    if (line.kind == ProfileLine::kHeader) {
      document.sections_.push_back(Section{std::string(line.name), {}});
    } else if (line.kind == ProfileLine::kKey) {
      document.sections_.back().keys.push_back(
          Key{std::string(line.name), std::string(line.value)});
    }
  }
  return document;
}

const ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) const {
  name = TrimBlanks(name);
  for (const Section& section : sections_) {
    if (NamesEqual(section.name, name)) return &section;
  }
  return nullptr;
}

std::optional<std::string> ProfileDocument::value(std::string_view section,
                                                  std::string_view key) const {
  const Section* found = findSection(section);
  if (!found) return std::nullopt;
  key = TrimBlanks(key);
  for (const Key& entry : found->keys) {
    if (NamesEqual(entry.name, key)) return entry.value;
  }
  return std::nullopt;
}

bool ProfileDocument::hasSection(std::string_view section) const {
  return findSection(section) != nullptr;
}

std::vector<std::string> ProfileDocument::sectionNames() const {
  std::vector<std::string> names;
  for (size_t i = 1; i < sections_.size(); ++i) AddName(names, sections_[i].name);
  return names;
}

std::vector<std::string> ProfileDocument::keyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = findSection(section)) {
    for (const Key& key : found->keys) AddName(names, key.name);
  }
  return names;
}

}  // namespace platform::profile
