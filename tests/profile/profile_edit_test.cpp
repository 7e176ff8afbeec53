// Writing and deleting keys and sections: the exact text each change leaves,
// and that doing it again changes nothing. What the file then reads back as is
// checked on each platform with the conformance tests.
#include "platform/profile/profile_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/profile/profile_edit_rows.h"

namespace {

using platform::profile::DeleteKey;
using platform::profile::DeleteSection;
using platform::profile::WriteKey;
using profile_rows::kDeleteKey;
using profile_rows::kDeleteSection;
using profile_rows::kEditRows;
using profile_rows::kWrite;
using profile_rows::Row;

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

TEST(ProfileEdit, LeavesTheExpectedText) {
  for (const Row& row : kEditRows) EXPECT_EQ(Apply(row, row.before), row.after) << row.name;
}

TEST(ProfileEdit, DoingItAgainChangesNothing) {
  for (const Row& row : kEditRows) EXPECT_EQ(Apply(row, row.after), row.after) << row.name;
}

}  // namespace
