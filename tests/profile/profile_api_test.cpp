// The profile-string functions over files on a test machine: where a bare
// name leads, what a write keeps, when a file is parsed again, and failures.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/automation/transcript.h"
#include "platform/profile/profile_cache.h"
#include "platform/runtime.h"
#include "tests/support/prefix_fixture.h"

namespace {

class ProfileApi : public testing_support::PrefixTest {
 protected:
  void SetUp() override {
    drive('c');
    folder("c:\\WINDOWS\\Fonts");
    machineIni("[faults]\nreadonly=c:\\WINDOWS\\Fonts\n");
    boot();
    platform::TheRuntime().profiles = &cache_;
    ASSERT_TRUE(transcript_.open((root_ / "transcript.txt").string()));
    platform::TheRuntime().transcript = &transcript_;
  }
  void TearDown() override {
    platform::TheRuntime().profiles = nullptr;
    platform::TheRuntime().transcript = nullptr;
  }
  std::string read(const char* section, const char* key, const char* file = "ISCII.INI") {
    char value[260];
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, file);
    return value;
  }
  std::string transcript() const {
    std::ifstream in(root_ / "transcript.txt");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  platform::profile::ProfileCache cache_;
  platform::automation::Transcript transcript_;
};

TEST_F(ProfileApi, ABareNameMeansTheFileInTheWindowsDirectory) {
  file("c:\\WINDOWS\\ISCII.INI", "[LANGLIST]\r\nLANGUAGE1=LANGB\r\n");
  file("c:\\Other\\ISCII.INI", "[LANGLIST]\r\nLANGUAGE1=ELSEWHERE\r\n");
  EXPECT_EQ(read("langlist", "language1"), "LANGB");
  EXPECT_EQ(read("LANGLIST", "LANGUAGE1", "c:\\other\\iscii.ini"), "ELSEWHERE");
  EXPECT_EQ(read("LANGLIST", "LANGUAGE1", "MISSING.INI"), "<none>");
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_F(ProfileApi, ALargeManifestIsParsedOnceWhileItIsUnchanged) {
  std::string text = "[LANGLIST]\r\n";
  for (int n = 1; n <= 88; ++n)
    text += "LANGUAGE" + std::to_string(n) + "=L" + std::to_string(n) + "\r\n";
  for (int n = 1; n <= 88; ++n) {
    text += "[L" + std::to_string(n) + "]\r\nDISPLAYNAME=Language " + std::to_string(n) + "\r\n";
    for (int f = 1; f <= 10; ++f)
      text += "FONT" + std::to_string(f) + "=F" + std::to_string(f) + "\r\n";
  }
  file("c:\\WINDOWS\\ISCII.INI", text);
  for (int round = 0; round < 3; ++round) {
    for (int n = 1; n <= 89; ++n) read("LANGLIST", ("LANGUAGE" + std::to_string(n)).c_str());
  }
  EXPECT_EQ(read("L88", "FONT10"), "F10");
  EXPECT_EQ(cache_.parses(), 1u);
  // A change from outside is seen at the next read.
  file("c:\\WINDOWS\\ISCII.INI", "[LANGLIST]\r\nLANGUAGE1=CHANGED\r\n");
  EXPECT_EQ(read("LANGLIST", "LANGUAGE1"), "CHANGED");
  // So is one of the same size made by the layer itself.
  EXPECT_TRUE(WritePrivateProfileStringA("LANGLIST", "LANGUAGE1", "CHANGES", "ISCII.INI"));
  EXPECT_EQ(read("LANGLIST", "LANGUAGE1"), "CHANGES");
}

TEST_F(ProfileApi, WritesKeepEveryOtherLineAndAreTranscribed) {
  file("c:\\WINDOWS\\ISCII.INI",
       "; the manifest\r\n[LANGLIST]\r\nLANGUAGE1=LANGB\r\n\r\n[INSTALLEDLANGS]\r\nLANG1=Old\r\n"
       "LANG3=Older\r\n\r\n[DLLS]\r\nIE = npiscii.dll  \r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("INSTALLEDLANGS", nullptr, nullptr, "ISCII.INI"));
  EXPECT_TRUE(WritePrivateProfileStringA("INSTALLEDLANGS", "LANG1", "Language B", "ISCII.INI"));
  EXPECT_TRUE(WritePrivateProfileStringA("INSTALLEDLANGS", "LANG1ACTUAL", "LANGB", "ISCII.INI"));
  EXPECT_EQ(
      hostContent("c:\\WINDOWS\\ISCII.INI"),
      "; the manifest\r\n[LANGLIST]\r\nLANGUAGE1=LANGB\r\n\r\n[DLLS]\r\nIE = npiscii.dll  \r\n"
      "[INSTALLEDLANGS]\r\nLANG1=Language B\r\nLANG1ACTUAL=LANGB\r\n");
  EXPECT_EQ(read("INSTALLEDLANGS", "LANG3"), "<none>");
  EXPECT_EQ(transcript(),
            "profile-delete \"INSTALLEDLANGS\"\n"
            "profile-write \"INSTALLEDLANGS\" \"LANG1\" \"Language B\"\n"
            "profile-write \"INSTALLEDLANGS\" \"LANG1ACTUAL\" \"LANGB\"\n");
}

TEST_F(ProfileApi, AFileMarkedAsUtf8IsReadAndWrittenInTheCodePage) {
  file("c:\\WINDOWS\\U.INI", "\xEF\xBB\xBF[S\xC3\xA9]\r\nK=caf\xC3\xA9\r\n");
  EXPECT_EQ(read("S\xE9", "K", "U.INI"), "caf\xE9");
  EXPECT_TRUE(WritePrivateProfileStringA("S\xE9", "N", "\x80", "U.INI"));
  EXPECT_EQ(hostContent("c:\\WINDOWS\\U.INI"),
            "\xEF\xBB\xBF[S\xC3\xA9]\r\nK=caf\xC3\xA9\r\nN=\xE2\x82\xAC\r\n");
  EXPECT_EQ(read("S\xE9", "N", "U.INI"), "\x80");
}

TEST_F(ProfileApi, WritesThatCannotBeMadeFail) {
  EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "V", "c:\\WINDOWS\\Fonts\\X.INI"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "V", "c:\\NONE\\X.INI"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(hostExists("c:\\WINDOWS\\Fonts\\X.INI"));
  // A new file is made for a write, not for a deletion.
  EXPECT_TRUE(WritePrivateProfileStringA("S", nullptr, nullptr, "NEW.INI"));
  EXPECT_FALSE(hostExists("c:\\WINDOWS\\NEW.INI"));
  EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "V", "NEW.INI"));
  EXPECT_EQ(hostContent("c:\\WINDOWS\\NEW.INI"), "[S]\r\nK=V\r\n");
}

}  // namespace
