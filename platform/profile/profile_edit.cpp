#include "platform/profile/profile_edit.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/profile/profile_document.h"

namespace platform::profile {
namespace {

// The lines [begin, end) of one section, its header first; the keys before any header form
// a section named "" with no header line.
struct SectionLines {
  std::string_view name;
  size_t begin;
  size_t end;
};

// The text cut into lines and sections, as the reader sees it.
class LaidOutText {
 public:
  explicit LaidOutText(std::string_view text) : text_(text) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    std::string_view body = text;
    if (body.substr(0, kUtf8Mark.size()) == kUtf8Mark) body.remove_prefix(kUtf8Mark.size());
    bodyStart_ = text.size() - body.size();
    lines_ = SplitTextLines(body);
    sections_.push_back(SectionLines{"", 0, 0});
    for (size_t i = 0; i < lines_.size(); ++i) {
      ProfileLine line = ReadProfileLine(lines_[i].body);
      if (line.kind == ProfileLine::kHeader) sections_.push_back(SectionLines{line.name, i, i});
      sections_.back().end = i + 1;
    }
  }

  const std::vector<TextLine>& lines() const { return lines_; }
  const std::vector<SectionLines>& sections() const { return sections_; }

  const SectionLines* findSection(std::string_view name) const {
    name = TrimBlanks(name);
    for (const SectionLines& section : sections_) {
      if (NamesEqual(section.name, name)) return &section;
    }
    return nullptr;
  }

  std::optional<size_t> findKey(const SectionLines& section, std::string_view key) const {
    key = TrimBlanks(key);
    for (size_t i = section.begin; i < section.end; ++i) {
      ProfileLine line = ReadProfileLine(lines_[i].body);
      if (line.kind == ProfileLine::kKey && NamesEqual(line.name, key)) return i;
    }
    return std::nullopt;
  }

  // Where line i starts, where its body ends and where its line end ends, in the whole text;
  // the line after the last starts at the end of the text.
  size_t start(size_t i) const {
    return i < lines_.size() ? size_t(lines_[i].body.data() - text_.data()) : text_.size();
  }
  size_t bodyEnd(size_t i) const { return start(i) + lines_[i].body.size(); }
  size_t finish(size_t i) const { return bodyEnd(i) + lines_[i].end.size(); }
  size_t bodyStart() const { return bodyStart_; }

  // The first line end in the text, CR LF when there is none.
  std::string_view lineEnd() const {
    for (const TextLine& line : lines_) {
      if (!line.end.empty()) return line.end;
    }
    return "\r\n";
  }

 private:
  std::string_view text_;
  size_t bodyStart_ = 0;
  std::vector<TextLine> lines_;
  std::vector<SectionLines> sections_;
};

std::string Splice(std::string_view text, size_t from, size_t to, std::string_view with) {
  std::string result(text.substr(0, from));
  result.append(with).append(text.substr(to));
  return result;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(TrimLeadingBlanks(key));
  line.append("=").append(TrimLeadingBlanks(value));
  return line;
}

// Rewrites line i as the key's name as the file has it, '=' and the value, unless the line
// already reads as that value.
std::string ReplaceKey(const std::string& text, const LaidOutText& laid, size_t i,
                       std::string_view value) {
  ProfileLine old = ReadProfileLine(laid.lines()[i].body);
  std::string line = KeyLine(old.name, value);
  if (ReadProfileLine(line).value == old.value) return text;
  return Splice(text, laid.start(i), laid.bodyEnd(i), line);
}

// Adds the key's line after the section's last non-blank line.
std::string InsertKey(const std::string& text, const LaidOutText& laid, const SectionLines& section,
                      std::string_view key, std::string_view value) {
  std::string line = KeyLine(key, value);
  line.append(laid.lineEnd());
  for (size_t i = section.end; i-- > section.begin;) {
    if (TrimBlanks(laid.lines()[i].body).empty()) continue;
    if (laid.lines()[i].end.empty()) line.insert(0, laid.lineEnd());
    return Splice(text, laid.finish(i), laid.finish(i), line);
  }
  // Only the section of the keys before any header can have no non-blank line.
  return Splice(text, laid.start(section.begin), laid.start(section.begin), line);
}

std::string AppendSection(const std::string& text, const LaidOutText& laid,
                          std::string_view section, std::string_view key, std::string_view value) {
  std::string_view lineEnd = laid.lineEnd();
  std::string result = text;
  if (result.size() > laid.bodyStart() && result.back() != '\r' && result.back() != '\n') {
    result.append(lineEnd);
  }
  result.append("[").append(TrimLeadingBlanks(section)).append("]").append(lineEnd);
  result.append(KeyLine(key, value)).append(lineEnd);
  return result;
}

}  // namespace

std::string WriteKey(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value) {
  LaidOutText laid(text);
  const SectionLines* found = laid.findSection(section);
  if (!found) return AppendSection(text, laid, section, key, value);
  if (auto line = laid.findKey(*found, key)) return ReplaceKey(text, laid, *line, value);
  return InsertKey(text, laid, *found, key, value);
}

std::string DeleteKey(const std::string& text, const std::string& section, const std::string& key) {
  LaidOutText laid(text);
  const SectionLines* found = laid.findSection(section);
  if (!found) return text;
  auto line = laid.findKey(*found, key);
  if (!line) return text;
  return Splice(text, laid.start(*line), laid.finish(*line), "");
}

std::string DeleteSection(const std::string& text, const std::string& section) {
  LaidOutText laid(text);
  std::string_view name = TrimBlanks(section);
  std::string result;
  size_t kept = 0;  // the text before this has been copied or dropped
  for (const SectionLines& lines : laid.sections()) {
    if (lines.begin == lines.end || !NamesEqual(lines.name, name)) continue;
    result.append(text, kept, laid.start(lines.begin) - kept);
    kept = laid.finish(lines.end - 1);
  }
  result.append(text, kept, std::string::npos);
  return result;
}

}  // namespace platform::profile
