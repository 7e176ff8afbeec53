// Reading the manifest's working copy, counting its languages, and the record
// of the installed ones.
#include "manifest/manifest.h"

#include <gtest/gtest.h>

#include "platform/profile/profile_document.h"
#include "tests/support/program_fixture.h"
#include "wizard/setup_state.h"

namespace {

class ManifestTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    drive('c');
    folder("c:\\WINDOWS");
    boot();
  }
  void manifest(const std::string& text) { file("c:\\WINDOWS\\ISCII.INI", text); }
};

TEST_F(ManifestTest, TheLanguageCountEndsAtTheFirstGap) {
  const struct {
    const char* name;
    const char* text;  // null: no working copy
    int count;
  } kRows[] = {
      {"gap at 4", "[LANGLIST]\nLANGUAGE1=A\nLANGUAGE2=B\nLANGUAGE3=C\nLANGUAGE4=\nLANGUAGE5=E\n",
       3},
      {"lower-case names", "[langlist]\nlanguage1=a\nLanguage2=b\n", 2},
      {"no LANGUAGE1", "[LANGLIST]\nLANGUAGE2=B\n", 0},
      {"no LANGLIST", "[OTHER]\nLANGUAGE1=A\n", 0},
      {"no working copy", nullptr, 0},
  };
  for (const auto& row : kRows) {
    if (row.text) {
      manifest(row.text);
    } else {
      std::filesystem::remove(hostPath("c:\\WINDOWS\\ISCII.INI"));
    }
    EXPECT_EQ(CountLanguages(), row.count) << row.name;
  }
}

TEST_F(ManifestTest, ValuesAreCutAfter259Characters) {
  manifest("[S]\nLONG=" + std::string(300, 'v') + "\n");
  char value[kValueSize];
  EXPECT_EQ(ReadManifestValue("s", "long", value), 259);
  EXPECT_EQ(std::string(value), std::string(259, 'v'));
  EXPECT_EQ(ReadManifestValue("S", "MISSING", value), 0);
  EXPECT_STREQ(value, "");
}

TEST_F(ManifestTest, TheInstalledLanguagesReplaceAnEarlierRecord) {
  manifest(
      "[LANGLIST]\r\nLANGUAGE1=LANGA\r\nLANGUAGE2=LANGB\r\nLANGUAGE3=LANGC\r\n"
      "[LANGA]\r\nDISPLAYNAME=Language A\r\n[LANGB]\r\nDISPLAYNAME=Language B\r\n[LANGC]\r\n"
      "[INSTALLEDLANGS]\r\nLANG1=Old\r\nLANG1ACTUAL=OLD\r\nLANG3=Older\r\n");
  setupState.languageSelected[1] = 1;
  setupState.languageSelected[2] = 1;
  RecordInstalledLanguages();
  auto document = platform::profile::ProfileDocument::parse(hostContent("c:\\WINDOWS\\ISCII.INI"));
  EXPECT_EQ(document.keyNames("INSTALLEDLANGS"),
            (std::vector<std::string>{"LANG1", "LANG1ACTUAL", "LANG2", "LANG2ACTUAL"}));
  EXPECT_EQ(document.value("INSTALLEDLANGS", "LANG1"), "Language B");
  EXPECT_EQ(document.value("INSTALLEDLANGS", "LANG1ACTUAL"), "LANGB");
  EXPECT_EQ(document.value("INSTALLEDLANGS", "LANG2"), "");  // LANGC has no DISPLAYNAME
  EXPECT_EQ(document.value("INSTALLEDLANGS", "LANG2ACTUAL"), "LANGC");
}

TEST_F(ManifestTest, OnlyTheFirst88LanguagesAreOffered) {
  std::string text = "[LANGLIST]\n";
  for (int n = 1; n <= 170; ++n)
    text += "LANGUAGE" + std::to_string(n) + "=L" + std::to_string(n) + "\n";
  manifest(text);
  EXPECT_EQ(CountLanguages(), 170);
  EXPECT_EQ(OfferedLanguages(), 88);
  for (int& selected : setupState.languageSelected) selected = 1;
  RecordInstalledLanguages();  // reads no flag past the 88th
  auto document = platform::profile::ProfileDocument::parse(hostContent("c:\\WINDOWS\\ISCII.INI"));
  EXPECT_EQ(document.value("INSTALLEDLANGS", "LANG88ACTUAL"), "L88");
  EXPECT_FALSE(document.value("INSTALLEDLANGS", "LANG89"));
}

}  // namespace
