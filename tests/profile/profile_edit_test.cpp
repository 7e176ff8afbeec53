// Writing and deleting keys and sections: the exact text each change leaves, and
// that the reader then finds what was written and everything else as it was.
#include "platform/profile/profile_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/profile/profile_document.h"

namespace {

using platform::profile::DeleteKey;
using platform::profile::DeleteSection;
using platform::profile::NamesEqual;
using platform::profile::ProfileDocument;
using platform::profile::TrimBlanks;
using platform::profile::WriteKey;

enum Op { kWrite, kDeleteKey, kDeleteSection };

struct Row {
  const char* name;
  const char* before;
  Op op;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

#define SECTIONS_ABC                                                                          \
  "; head comment\r\n[A]\r\na=1\r\n\r\n; comment before B\r\n[B]\r\nb=2\r\n; comment inside " \
  "B\r\n\r\n[C]\r\nc=3\r\n"

const Row kRows[] = {
    {"delete a middle section", SECTIONS_ABC, kDeleteSection, "B", "", "",
     "; head comment\r\n[A]\r\na=1\r\n\r\n; comment before B\r\n[C]\r\nc=3\r\n"},
    {"delete the last section", SECTIONS_ABC, kDeleteSection, "C", "", "",
     "; head comment\r\n[A]\r\na=1\r\n\r\n; comment before B\r\n[B]\r\nb=2\r\n; comment inside "
     "B\r\n\r\n"},
    {"delete the first section", SECTIONS_ABC, kDeleteSection, "a", "", "",
     "; head comment\r\n[B]\r\nb=2\r\n; comment inside B\r\n\r\n[C]\r\nc=3\r\n"},
    {"delete a missing section", SECTIONS_ABC, kDeleteSection, "D", "", "", SECTIONS_ABC},
    {"delete every section of the name", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[ s ]\r\nb=2\r\n",
     kDeleteSection, " S ", "", "", "[T]\r\nt=1\r\n"},
    {"delete a section without a final line end", "[A]\r\na=1\r\n[B]\r\nb=2", kDeleteSection, "B",
     "", "", "[A]\r\na=1\r\n"},
    {"delete a section of a marked file", "\xEF\xBB\xBF[A]\r\na=1\r\n[B]\r\n", kDeleteSection, "A",
     "", "", "\xEF\xBB\xBF[B]\r\n"},

    {"new key in an existing section", "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n", kWrite, "A", "new", "x",
     "[A]\r\na=1\r\nnew=x\r\n\r\n[B]\r\nb=2\r\n"},
    {"new key after a tail comment", "[A]\r\na=1\r\n; tail\r\n\r\n[B]\r\nb=2\r\n", kWrite, "A",
     "new", "x", "[A]\r\na=1\r\n; tail\r\nnew=x\r\n\r\n[B]\r\nb=2\r\n"},
    {"new key in a duplicate section", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[S]\r\nb=2\r\n", kWrite, "S",
     "new", "x", "[S]\r\na=1\r\nnew=x\r\n[T]\r\nt=1\r\n[S]\r\nb=2\r\n"},
    {"new key in a section of only a header", "[S]\r\n\r\n[T]\r\n", kWrite, "S", "k", "v",
     "[S]\r\nk=v\r\n\r\n[T]\r\n"},
    {"new key after a last line without an end", "[S]\r\na=1", kWrite, "S", "new", "x",
     "[S]\r\na=1\r\nnew=x\r\n"},
    {"new key named as one in another section", "[A]\r\na=1\r\n[B]\r\nk=2\r\n", kWrite, "A", "k",
     "v", "[A]\r\na=1\r\nk=v\r\n[B]\r\nk=2\r\n"},
    {"new key padded section argument", "[A]\r\na=1\r\n", kWrite, "  A  ", "k", "v",
     "[A]\r\na=1\r\nk=v\r\n"},
    {"new section", "[A]\r\na=1\r\n", kWrite, "B", "k", "v", "[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
    {"new section, no final line end", "[A]\r\na=1", kWrite, "B", "k", "v",
     "[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
    {"new section after a blank line", "[A]\r\na=1\r\n\r\n", kWrite, "B", "k", "v",
     "[A]\r\na=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"new section, padded name", "", kWrite, "  S  ", "k", "v", "[S  ]\r\nk=v\r\n"},
    {"empty file", "", kWrite, "S", "K", "V", "[S]\r\nK=V\r\n"},
    {"header without its bracket", "[S\r\nK=1\r\n", kWrite, "S", "K", "v",
     "[S\r\nK=1\r\n[S]\r\nK=v\r\n"},
    {"value loses leading blanks", "[S]\r\n", kWrite, "S", "K", "  lead", "[S]\r\nK=lead\r\n"},
    {"value keeps trailing blanks", "[S]\r\n", kWrite, "S", "K", "trail  ", "[S]\r\nK=trail  \r\n"},
    {"key loses leading blanks only", "[S]\r\n", kWrite, "S", "  K  ", "v", "[S]\r\nK  =v\r\n"},
    {"quoted value written as is", "[S]\r\n", kWrite, "S", "K", "\"q\"", "[S]\r\nK=\"q\"\r\n"},
    {"padded line with a comment replaced", "[S]\r\n  KEY  =  old  ; c\r\n", kWrite, "S", "KEY",
     "new", "[S]\r\nKEY=new\r\n"},
    {"same value leaves the text", "[S]\r\n  KEY = same \r\n", kWrite, "S", "KEY", "same",
     "[S]\r\n  KEY = same \r\n"},
    {"same value once unquoted", "[S]\r\nKEY='same'\r\n", kWrite, "S", "key", "same",
     "[S]\r\nKEY='same'\r\n"},
    {"empty value", "[S]\r\nK=old\r\n", kWrite, "S", "K", "", "[S]\r\nK=\r\n"},
    {"key name keeps the file's case", "[Sect]\r\nKeY=old\r\n", kWrite, "SECT", "key", "new",
     "[Sect]\r\nKeY=new\r\n"},
    {"first of duplicate keys rewritten", "[S]\r\nK=1\r\nk=2\r\n", kWrite, "S", "K", "3",
     "[S]\r\nK=3\r\nk=2\r\n"},
    {"LF only, new key", "[A]\na=1\n", kWrite, "A", "new", "x", "[A]\na=1\nnew=x\n"},
    {"LF only, new section", "[A]\na=1\n", kWrite, "B", "k", "v", "[A]\na=1\n[B]\nk=v\n"},
    {"CR only, new key", "[A]\ra=1\r", kWrite, "A", "new", "x", "[A]\ra=1\rnew=x\r"},
    {"CR only, new section", "[A]\ra=1", kWrite, "B", "k", "v", "[A]\ra=1\r[B]\rk=v\r"},
    {"first line end used", "[A]\na=1\r\n", kWrite, "A", "new", "x", "[A]\na=1\r\nnew=x\n"},
    {"marked file, key rewritten", "\xEF\xBB\xBF[A]\r\na=1\r\n", kWrite, "A", "a", "2",
     "\xEF\xBB\xBF[A]\r\na=2\r\n"},
    {"marked file, new section", "\xEF\xBB\xBF[A]\r\na=1\r\n", kWrite, "B", "k", "v",
     "\xEF\xBB\xBF[A]\r\na=1\r\n[B]\r\nk=v\r\n"},
    {"only a mark", "\xEF\xBB\xBF", kWrite, "S", "K", "V", "\xEF\xBB\xBF[S]\r\nK=V\r\n"},
    {"padded header kept", "[ LANGLIST ]\r\nK=old\r\n", kWrite, "LANGLIST", "K", "new",
     "[ LANGLIST ]\r\nK=new\r\n"},
    {"line without '=' kept", "[S]\r\nNOEQUALS\r\nK=old\r\n", kWrite, "S", "K", "new",
     "[S]\r\nNOEQUALS\r\nK=new\r\n"},
    {"new key after a line without '='", "[S]\r\nNOEQUALS\r\n", kWrite, "S", "k", "v",
     "[S]\r\nNOEQUALS\r\nk=v\r\n"},
    {"key before any section kept", "K0=orphan\r\n[S]\r\nK=old\r\n", kWrite, "S", "K", "new",
     "K0=orphan\r\n[S]\r\nK=new\r\n"},
    {"key before any section is not the section's", "K0=orphan\r\n[S]\r\n", kWrite, "S", "K0", "x",
     "K0=orphan\r\n[S]\r\nK0=x\r\n"},
    {"key before any section rewritten", "K0=orphan\r\n[S]\r\n", kWrite, "", "K0", "x",
     "K0=x\r\n[S]\r\n"},
    {"new key before any section", "[S]\r\n", kWrite, "", "K0", "x", "K0=x\r\n[S]\r\n"},

    {"delete a key", "[S]\r\na=1\r\nb=2\r\nc=3\r\n", kDeleteKey, "S", "B", "",
     "[S]\r\na=1\r\nc=3\r\n"},
    {"delete the only key", "[S]\r\nk=1\r\n[T]\r\n", kDeleteKey, "S", "k", "", "[S]\r\n[T]\r\n"},
    {"delete a padded key line", "[S]\r\n  k = 1 \r\nm=2\r\n", kDeleteKey, "S", " k ", "",
     "[S]\r\nm=2\r\n"},
    {"delete the last line without an end", "[S]\r\na=1\r\nk=1", kDeleteKey, "S", "k", "",
     "[S]\r\na=1\r\n"},
    {"delete from the first duplicate section", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", kDeleteKey, "S",
     "k", "", "[S]\r\n[S]\r\nk=2\r\n"},
    {"delete in its own section only", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n", kDeleteKey, "B", "k", "",
     "[A]\r\nk=1\r\n[B]\r\n"},
    {"delete a missing key", "[S]\r\nk=1\r\n", kDeleteKey, "S", "m", "", "[S]\r\nk=1\r\n"},
    {"delete a key of a missing section", "[S]\r\nk=1\r\n", kDeleteKey, "T", "k", "",
     "[S]\r\nk=1\r\n"},
    {"delete from an LF-only file", "[S]\na=1\nb=2\n", kDeleteKey, "S", "a", "", "[S]\nb=2\n"},
};

std::string Apply(const Row& row, const std::string& text) {
  switch (row.op) {
    case kWrite:
      return WriteKey(text, row.section, row.key, row.value);
    case kDeleteKey:
      return DeleteKey(text, row.section, row.key);
    case kDeleteSection:
      return DeleteSection(text, row.section);
  }
  return text;
}

// Whether the row's change is meant to touch this key.
bool IsTarget(const Row& row, const std::string& section, const std::string& key) {
  if (!NamesEqual(section, TrimBlanks(row.section))) return false;
  return row.op == kDeleteSection || NamesEqual(key, TrimBlanks(row.key));
}

TEST(ProfileEdit, LeavesTheExpectedText) {
  for (const Row& row : kRows) EXPECT_EQ(Apply(row, row.before), row.after) << row.name;
}

TEST(ProfileEdit, DoingItAgainChangesNothing) {
  for (const Row& row : kRows) EXPECT_EQ(Apply(row, row.after), row.after) << row.name;
}

TEST(ProfileEdit, ReaderFindsTheChange) {
  for (const Row& row : kRows) {
    auto after = ProfileDocument::parse(Apply(row, row.before));
    if (row.op == kWrite) {
      auto written = ProfileDocument::parse(std::string("[s]\nk=") + row.value).value("s", "k");
      EXPECT_EQ(after.value(row.section, row.key), written) << row.name;
    } else if (row.op == kDeleteKey) {
      EXPECT_FALSE(after.value(row.section, row.key)) << row.name;
    } else {
      EXPECT_FALSE(after.hasSection(row.section)) << row.name;
    }
  }
}

TEST(ProfileEdit, ReaderFindsEverythingElseAsItWas) {
  for (const Row& row : kRows) {
    auto before = ProfileDocument::parse(row.before);
    auto after = ProfileDocument::parse(Apply(row, row.before));
    auto sections = before.sectionNames();
    sections.insert(sections.begin(), "");
    for (const std::string& section : sections) {
      for (const std::string& key : before.keyNames(section)) {
        if (IsTarget(row, section, key)) continue;
        EXPECT_EQ(after.value(section, key), before.value(section, key))
            << row.name << ": [" << section << "] " << key;
      }
    }
  }
}

}  // namespace
