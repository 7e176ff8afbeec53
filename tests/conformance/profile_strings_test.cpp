// GetPrivateProfileStringA and WritePrivateProfileStringA over real files: what
// a read returns at the edges of the caller's buffer and in the lists, and that
// after each change of the edit table the file reads back with the change and
// with everything else as it was.
#include <string>
#include <vector>

#include "platform/profile/profile_document.h"
#include "tests/conformance/scratch_folder.h"
#include "tests/conformance/win32_functions.h"
#include "tests/profile/profile_edit_rows.h"

namespace {

using namespace std::string_literals;
using conformance::ScratchFolder;
using profile_rows::kEditRows;

struct ReadRow {
  const char* name;
  std::string text;  // "(none)": the file does not exist
  const char* section;
  const char* key;
  const char* defaultValue;
  DWORD size;
  std::string written;  // the bytes written, zeros included
  DWORD count;
  // Where wine answers otherwise than the layer, why, and wine's answer.
  const char* wineDiffers = nullptr;
  std::string wineWritten{};
  DWORD wineCount = 0;
};

const std::string kNoFile = "(none)";
const std::string k300(300, 'x');
const std::string k259(259, 'y');
const std::string kLists = "K0=orphan\r\n[S]\r\nA=1\r\nBB=2\r\na=dup\r\n[T]\r\n[s]\r\nC=3\r\n";
const char* const kUnterminated =
    "wine leaves the buffer's last byte as it was, so the list lacks its second zero";

const std::vector<ReadRow> kReadRows = {
    {"value longer than the buffer", "[S]\r\nK=" + k300 + "\r\n", "S", "K", "d", 260,
     k300.substr(0, 259) + '\0', 259},
    {"value filling the buffer", "[S]\r\nK=" + k259 + "\r\n", "S", "K", "d", 260, k259 + '\0', 259},
    {"default longer than the buffer", "[S]\r\n", "S", "K", k300.c_str(), 260,
     k300.substr(0, 259) + '\0', 259},
    {"default loses trailing spaces only", "[S]\r\n", "S", "K", "  def  ", 260, "  def\0"s, 5},
    {"default keeps a tab", "[S]\r\n", "S", "K", " \t ", 260, " \t\0"s, 2},
    {"null default", "[S]\r\n", "S", "K", nullptr, 260, "\0"s, 0},
    {"missing section", "[S]\r\nK=v\r\n", "T", "K", "def", 260, "def\0"s, 3},
    {"no file", kNoFile, "S", "K", "def", 260, "def\0"s, 3},
    {"empty value is not the default", "[S]\r\nK=\r\n", "S", "K", "def", 260, "\0"s, 0},
    {"5 bytes in 7", "[S]\r\nK=abcde\r\n", "S", "K", "", 7, "abcde\0"s, 5},
    {"5 bytes in 6", "[S]\r\nK=abcde\r\n", "S", "K", "", 6, "abcde\0"s, 5},
    {"5 bytes in 5", "[S]\r\nK=abcde\r\n", "S", "K", "", 5, "abcd\0"s, 4},
    {"5 bytes in 1", "[S]\r\nK=abcde\r\n", "S", "K", "", 1, "\0"s, 0},
    {"5 bytes in 0", "[S]\r\nK=abcde\r\n", "S", "K", "", 0, "", 0},
    {"key names, each line of the first section", kLists, "S", nullptr, "def", 260, "A\0BB\0a\0\0"s,
     7},
    {"key names fitting exactly", kLists, "S", nullptr, "def", 8, "A\0BB\0a\0\0"s, 7,
     "wine cuts a list that fits exactly, and leaves it without its second zero", "A\0BB\0a\0"s, 6},
    {"key names one byte short", kLists, "S", nullptr, "def", 7, "A\0BB\0\0\0"s, 5, kUnterminated,
     "A\0BB\0\0"s, 5},
    {"key names cut in a name", kLists, "S", nullptr, "def", 5, "A\0B\0\0"s, 3, kUnterminated,
     "A\0B\0"s, 3},
    {"key names cut after a name", kLists, "S", nullptr, "def", 4, "A\0\0\0"s, 2, kUnterminated,
     "A\0\0"s, 2},
    {"key names in 2", kLists, "S", nullptr, "def", 2, "\0\0"s, 0,
     "wine gives the default's first letter", "d\0"s, 1},
    {"key names in 1", kLists, "S", nullptr, "def", 1, "\0"s, 0},
    {"key names of the keys before any header", kLists, "", nullptr, "def", 260, "K0\0\0"s, 3},
    {"key names of a missing section: the default", kLists, "U", nullptr, "def", 260, "def\0"s, 3},
    {"key names of a missing section in 1", kLists, "U", nullptr, "def", 1, "\0"s, 0},
    {"key names of a section without keys: the default", kLists, "T", nullptr, "def", 260, "def\0"s,
     3},
    {"key names, no file: the default", kNoFile, "S", nullptr, "def", 260, "def\0"s, 3},
    {"section names, each header", kLists, nullptr, "K", "def", 260, "S\0T\0s\0\0"s, 6},
    {"section names cut short", kLists, nullptr, "K", "def", 4, "S\0\0\0"s, 2, kUnterminated,
     "S\0\0"s, 2},
    {"section names, no headers", "K0=orphan\r\n", nullptr, nullptr, "def", 260, "\0"s, 0},
    {"section names, no file", kNoFile, nullptr, nullptr, "def", 260, "\0"s, 0},
};

class ProfileStrings : public ScratchFolder {
 protected:
  std::string read(const char* section, const char* key, const std::string& file) const {
    char value[4096];
    DWORD count =
        GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, path(file).c_str());
    return std::string(value, count);
  }
  // The names of a list that GetPrivateProfileStringA returns.
  std::vector<std::string> names(const char* section, const std::string& file) const {
    std::string list = read(section, nullptr, file);
    std::vector<std::string> result;
    for (size_t start = 0; start < list.size();) {
      size_t end = list.find('\0', start);
      if (end == std::string::npos) end = list.size();
      result.push_back(list.substr(start, end - start));
      start = end + 1;
    }
    return result;
  }
};

TEST_F(ProfileStrings, ReadsReturnWhatWin32Returns) {
  constexpr char kUntouched = '#';
  int number = 0;
  for (const ReadRow& row : kReadRows) {
    // A file of each row's own: an implementation may keep a file it has read.
    std::string file = "read" + std::to_string(++number) + ".ini";
    if (row.text != kNoFile) makeFile(file, row.text);
    std::string buffer(300, kUntouched);
    DWORD count = GetPrivateProfileStringA(row.section, row.key, row.defaultValue, buffer.data(),
                                           row.size, path(file).c_str());
    bool asWine = row.wineDiffers && conformance::OnWine();
    EXPECT_EQ(count, asWine ? row.wineCount : row.count) << row.name;
    const std::string& written = asWine ? row.wineWritten : row.written;
    std::string expected = written + std::string(300 - written.size(), kUntouched);
    EXPECT_EQ(buffer, expected) << row.name;
  }
}

// Whether a name in the file is the one a row names, as the functions match them.
bool SameName(const std::string& a, const std::string& b) {
  using platform::profile::TrimBlanks;
  return platform::profile::NamesEqual(TrimBlanks(a), TrimBlanks(b));
}

bool Apply(const profile_rows::Row& row, const std::string& file) {
  switch (row.op) {
    case profile_rows::kWrite:
      return WritePrivateProfileStringA(row.section, row.key, row.value, file.c_str());
    case profile_rows::kDeleteKey:
      return WritePrivateProfileStringA(row.section, row.key, nullptr, file.c_str());
    case profile_rows::kDeleteSection:
      return WritePrivateProfileStringA(row.section, nullptr, nullptr, file.c_str());
  }
  return false;
}

TEST_F(ProfileStrings, EachChangeReadsBack) {
  int number = 0;
  for (const profile_rows::Row& row : kEditRows) {
    SCOPED_TRACE(row.name);
    std::string after = "after" + std::to_string(++number) + ".ini";
    if (row.wineDiffers && conformance::OnWine()) continue;
    makeFile(after, row.before);
    ASSERT_TRUE(Apply(row, path(after)));
    if (row.op == profile_rows::kWrite) {
      std::string value = "value" + std::to_string(number) + ".ini";
      makeFile(value, "[S]\r\nK="s + row.value + "\r\n");
      EXPECT_EQ(read(row.section, row.key, after), read("S", "K", value));
    } else if (row.op == profile_rows::kDeleteKey) {
      EXPECT_EQ(read(row.section, row.key, after), "<none>");
    } else {
      for (const std::string& section : names(nullptr, after)) {
        EXPECT_FALSE(SameName(section, row.section)) << section;
      }
    }
  }
}

TEST_F(ProfileStrings, EachChangeLeavesEverythingElse) {
  int number = 0;
  for (const profile_rows::Row& row : kEditRows) {
    SCOPED_TRACE(row.name);
    std::string before = "before" + std::to_string(++number) + ".ini";
    std::string after = "after" + std::to_string(number) + ".ini";
    if (row.wineDiffers && conformance::OnWine()) continue;
    makeFile(before, row.before);
    makeFile(after, row.before);
    ASSERT_TRUE(Apply(row, path(after)));
    std::vector<std::string> sections = names(nullptr, before);
    sections.insert(sections.begin(), "");
    for (const std::string& section : sections) {
      bool sectionChanged = SameName(section, row.section);
      for (const std::string& key : names(section.c_str(), before)) {
        if (sectionChanged && (row.op == profile_rows::kDeleteSection || SameName(key, row.key)))
          continue;
        EXPECT_EQ(read(section.c_str(), key.c_str(), after),
                  read(section.c_str(), key.c_str(), before))
            << "[" << section << "] " << key;
      }
    }
  }
}

}  // namespace
