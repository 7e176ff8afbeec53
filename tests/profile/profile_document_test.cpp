// How initialization-file text is read: each row as a real Win32
// implementation reads it.
#include "platform/profile/profile_document.h"

#include <gtest/gtest.h>

namespace {

using platform::profile::ProfileDocument;

struct Row {
  const char* name;
  const char* text;
  const char* section;
  const char* key;
  const char* value;  // null: the key is absent
};

const Row kRows[] = {
    {"spaces", "[S]\r\n  KEY  =  value  \r\n", "S", "KEY", "value"},
    {"key argument padded", "[S]\r\n  KEY  =  value  \r\n", "S", "  KEY  ", "value"},
    {"section argument padded", "[S]\r\nKEY=v\r\n", "  S  ", "KEY", "v"},
    {"tabs", "[S]\r\n\tKEY\t=\tvalue\t\r\n", "S", "KEY", "value"},
    {"inner spaces kept", "[S]\r\nKEY=a  b\r\n", "S", "KEY", "a  b"},
    {"double quotes", "[S]\r\nKEY=\"quoted value\"\r\n", "S", "KEY", "quoted value"},
    {"quotes inside spaces", "[S]\r\nKEY=  \" q \"  \r\n", "S", "KEY", " q "},
    {"single quotes", "[S]\r\nKEY='single'\r\n", "S", "KEY", "single"},
    {"lone leading quote", "[S]\r\nKEY=\"abc\r\n", "S", "KEY", "\"abc"},
    {"lone trailing quote", "[S]\r\nKEY=abc\"\r\n", "S", "KEY", "abc\""},
    {"just one quote", "[S]\r\nKEY=\"\r\n", "S", "KEY", "\""},
    {"just two quotes", "[S]\r\nKEY=\"\"\r\n", "S", "KEY", ""},
    {"comment hides the key", "[S]\r\n;KEY=commented\r\nK2=v\r\n", "S", "KEY", nullptr},
    {"comment line read as its own key", "[S]\r\n;KEY=commented\r\n", "S", ";KEY", "commented"},
    {"semicolon after a value", "[S]\r\nKEY=value ; note\r\n", "S", "KEY", "value ; note"},
    {"comment before the header", "; top\r\n[S]\r\nKEY=v\r\n", "S", "KEY", "v"},
    {"case", "[Sect]\r\nKeY=v\r\n", "SECT", "key", "v"},
    {"duplicate section: key of the second", "[S]\r\nA=1\r\n[T]\r\nX=1\r\n[S]\r\nB=2\r\n", "S", "B",
     nullptr},
    {"duplicate section: key of the first", "[S]\r\nA=1\r\n[T]\r\nX=1\r\n[S]\r\nB=2\r\n", "S", "A",
     "1"},
    {"duplicate key", "[S]\r\nK=first\r\nK=second\r\n", "S", "K", "first"},
    {"duplicate key in another case", "[S]\r\nk=first\r\nK=second\r\n", "S", "K", "first"},
    {"key before any section", "K0=orphan\r\n[S]\r\nK=v\r\n", "", "K0", "orphan"},
    {"key before any section is not in [S]", "K0=orphan\r\n[S]\r\nK=v\r\n", "S", "K0", nullptr},
    {"line without '='", "[S]\r\nNOEQUALS\r\nK=v\r\n", "S", "NOEQUALS", nullptr},
    {"line without '=' then a key", "[S]\r\nNOEQUALS\r\nK=v\r\n", "S", "K", "v"},
    {"padded header", "[ LANGLIST ]\r\nK=v\r\n", "LANGLIST", "K", "v"},
    {"header without ]", "[LANGLIST\r\nK=v\r\n", "LANGLIST", "K", nullptr},
    {"text after ]", "[S] junk\r\nK=v\r\n", "S", "K", "v"},
    {"LF only", "[S]\nA=1\nB=2\n", "S", "B", "2"},
    {"CR only", "[S]\rA=1\rB=2\r", "S", "A", "1"},
    {"no final line end", "[S]\r\nK=last", "S", "K", "last"},
    {"UTF-8 mark", "\xEF\xBB\xBF[S]\r\nK=v\r\n", "S", "K", "v"},
    {"UTF-8 mark, a value in the code page", "\xEF\xBB\xBF[S]\r\nK=caf\xC3\xA9\r\n", "S", "K",
     "caf\xE9"},
    {"UTF-8 mark, a character beyond it", "\xEF\xBB\xBF[S]\r\nK=\xE2\x82\xAC \xE2\x88\x9E\r\n", "S",
     "K", "\x80 ?"},
    {"no mark, the same bytes", "[S]\r\nK=caf\xC3\xA9\r\n", "S", "K", "caf\xC3\xA9"},
    {"empty value", "[S]\r\nKEY=\r\n", "S", "KEY", ""},
    {"empty key name", "[S]\r\n=value\r\n", "S", "", "value"},
    {"missing section", "[S]\r\nK=v\r\n", "NOPE", "K", nullptr},
};

TEST(ProfileDocument, ReadsAsWin32Does) {
  for (const Row& row : kRows) {
    auto value = ProfileDocument::parse(row.text).value(row.section, row.key);
    if (row.value) {
      ASSERT_TRUE(value) << row.name;
      EXPECT_EQ(*value, row.value) << row.name;
    } else {
      EXPECT_FALSE(value) << row.name << ": found " << value.value_or("");
    }
  }
}

}  // namespace
