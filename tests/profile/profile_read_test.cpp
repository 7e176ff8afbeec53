// Reading with GetPrivateProfileStringA's results: values and defaults as a real
// Win32 implementation returns them, the edges of the caller's buffer, and the lists.
#include "platform/profile/profile_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using platform::profile::ProfileDocument;
using platform::profile::ReadProfileString;

struct Row {
  const char* name;
  std::string text;  // "(none)": the file does not exist
  const char* section;
  const char* key;
  const char* defaultValue;
  DWORD size;
  std::string written;  // the bytes written, zeros included
  DWORD count;
};

const std::string kNoFile = "(none)";
const std::string k300(300, 'x');
const std::string k259(259, 'y');
const std::string kLists = "K0=orphan\r\n[S]\r\nA=1\r\nBB=2\r\na=dup\r\n[T]\r\n[s]\r\nC=3\r\n";

const std::vector<Row> kRows = {
    {"value longer than the buffer", "[S]\r\nK=" + k300 + "\r\n", "S", "K", "d", 260,
     k300.substr(0, 259) + '\0', 259},
    {"value filling the buffer", "[S]\r\nK=" + k259 + "\r\n", "S", "K", "d", 260, k259 + '\0', 259},
    {"default longer than the buffer", "[S]\r\n", "S", "K", k300.c_str(), 260,
     k300.substr(0, 259) + '\0', 259},
    {"default loses trailing blanks only", "[S]\r\n", "S", "K", "  def  ", 260, "  def\0"s, 5},
    {"default of blanks", "[S]\r\n", "S", "K", " \t ", 260, "\0"s, 0},
    {"null default", "[S]\r\n", "S", "K", nullptr, 260, "\0"s, 0},
    {"missing section", "[S]\r\nK=v\r\n", "T", "K", "def", 260, "def\0"s, 3},
    {"no file", kNoFile, "S", "K", "def", 260, "def\0"s, 3},
    {"empty value is not the default", "[S]\r\nK=\r\n", "S", "K", "def", 260, "\0"s, 0},
    {"5 bytes in 7", "[S]\r\nK=abcde\r\n", "S", "K", "", 7, "abcde\0"s, 5},
    {"5 bytes in 6", "[S]\r\nK=abcde\r\n", "S", "K", "", 6, "abcde\0"s, 5},
    {"5 bytes in 5", "[S]\r\nK=abcde\r\n", "S", "K", "", 5, "abcd\0"s, 4},
    {"5 bytes in 1", "[S]\r\nK=abcde\r\n", "S", "K", "", 1, "\0"s, 0},
    {"5 bytes in 0", "[S]\r\nK=abcde\r\n", "S", "K", "", 0, "", 0},
    {"key names, first of each", kLists, "S", nullptr, "def", 260, "A\0BB\0\0"s, 5},
    {"key names fitting exactly", kLists, "S", nullptr, "def", 6, "A\0BB\0\0"s, 5},
    {"key names cut short", kLists, "S", nullptr, "def", 5, "A\0B\0\0"s, 3},
    {"key names cut after a name", kLists, "S", nullptr, "def", 4, "A\0\0\0"s, 2},
    {"key names in 2", kLists, "S", nullptr, "def", 2, "\0\0"s, 0},
    {"key names in 1", kLists, "S", nullptr, "def", 1, "\0"s, 0},
    {"key names of the keys before any header", kLists, "", nullptr, "def", 260, "K0\0\0"s, 3},
    {"key names of a missing section", kLists, "U", nullptr, "def", 260, "\0\0"s, 0},
    {"key names of a missing section in 1", kLists, "U", nullptr, "def", 1, "\0"s, 0},
    {"key names of a section without keys", kLists, "T", nullptr, "def", 260, "\0\0"s, 0},
    {"key names, no file", kNoFile, "S", nullptr, "def", 260, "\0\0"s, 0},
    {"section names, first of each", kLists, nullptr, "K", "def", 260, "S\0T\0\0"s, 4},
    {"section names cut short", kLists, nullptr, "K", "def", 4, "S\0\0\0"s, 2},
    {"section names, no headers", "K0=orphan\r\n", nullptr, nullptr, "def", 260, "\0\0"s, 0},
    {"section names, no file", kNoFile, nullptr, nullptr, "def", 260, "\0\0"s, 0},
};

TEST(ReadProfileString, ReturnsWhatWin32Returns) {
  constexpr char kUntouched = '#';
  for (const Row& row : kRows) {
    auto document = ProfileDocument::parse(row.text);
    std::string buffer(300, kUntouched);
    DWORD count = ReadProfileString(row.text == kNoFile ? nullptr : &document, row.section, row.key,
                                    row.defaultValue, buffer.data(), row.size);
    EXPECT_EQ(count, row.count) << row.name;
    std::string expected = row.written + std::string(300 - row.written.size(), kUntouched);
    EXPECT_EQ(buffer, expected) << row.name;
  }
}

}  // namespace
