// Where the setup medium is and how manifest names become paths on it.
#include "manifest/setup_medium.h"

#include <gtest/gtest.h>

#include "tests/support/program_fixture.h"

namespace {

struct SplitRow {
  const char* fullPath;
  const char* drive;
  const char* directory;
};

const SplitRow kSplits[] = {
    {"D:\\SETUP\\Setup.EXE", "D:", "\\SETUP\\"},
    {"D:\\Setup.EXE", "D:", "\\"},
    {"D:/SETUP/DISK1\\Setup.EXE", "D:", "/SETUP/DISK1\\"},
    {"\\\\server\\share\\setup\\Setup.EXE", "", "\\\\server\\share\\setup\\"},
};

struct JoinRow {
  SetupMedium medium;
  const char* name;
  const char* path;
};

const JoinRow kJoins[] = {
    {{"D:", "\\SETUP\\"}, "ISCII.INI", "D:\\SETUP\\ISCII.INI"},
    {{"D:", "\\"}, "ISCII.INI", "D:\\ISCII.INI"},
    {{"", "\\\\server\\share\\"}, "ISCII.INI", "\\\\server\\share\\ISCII.INI"},
    {{"D:", "\\SETUP\\"}, "FONTS\\B1.TTF", "D:\\SETUP\\FONTS\\B1.TTF"},
    {{"D:", "\\SETUP\\"}, "", "D:\\SETUP\\"},
    {{"D:", "\\SETUP"}, "ISCII.INI", "D:\\SETUP\\ISCII.INI"},  // a separator is added
    {{"D:", ""}, "ISCII.INI", "D:ISCII.INI"},
};

class SetupMediumTest : public testing_support::ProgramTest {};

TEST_F(SetupMediumTest, SplitsAndJoinsPaths) {
  drive('c');
  boot();
  for (const SplitRow& row : kSplits) {
    SetupMedium medium;
    SplitMediumPath(row.fullPath, &medium);
    EXPECT_STREQ(medium.drive, row.drive) << row.fullPath;
    EXPECT_STREQ(medium.directory, row.directory) << row.fullPath;
  }
  for (const JoinRow& row : kJoins) {
    char path[kPathSize];
    EXPECT_TRUE(MediumPath(row.medium, row.name, path)) << row.name;
    EXPECT_STREQ(path, row.path) << row.name;
  }
  SetupMedium deep{"D:", "\\"};
  std::string name(258, 'n');
  char path[kPathSize] = "x";
  EXPECT_FALSE(MediumPath(deep, name.c_str(), path));  // 261 characters
  EXPECT_STREQ(path, "");
  name.resize(256);
  EXPECT_TRUE(MediumPath(deep, name.c_str(), path));  // 259 characters
}

TEST_F(SetupMediumTest, TheSecondByteOfADoubleByteCharacterIsNoSeparator) {
  drive('c');
  machineIni("[system]\ncodepage=932\n");
  boot();
  SetupMedium medium;
  SplitMediumPath("D:\\\x95\x5CSetup.EXE", &medium);  // 0x95 0x5C is one character
  EXPECT_STREQ(medium.directory, "\\");
  SplitMediumPath("D:\\\x95\x5C\\Setup.EXE", &medium);
  EXPECT_STREQ(medium.directory, "\\\x95\x5C\\");
  SetupMedium ending{"D:", "\\\x95\x5C"};
  char path[kPathSize];
  ASSERT_TRUE(MediumPath(ending, "ISCII.INI", path));
  EXPECT_STREQ(path, "D:\\\x95\x5C\\ISCII.INI");
}

TEST_F(SetupMediumTest, LocatesTheMediumAndCopiesTheManifest) {
  drive('c');
  drive('d');
  folder("c:\\WINDOWS");
  file("c:\\WINDOWS\\ISCII.INI", "[INSTALLEDLANGS]\r\nLANG1=From an earlier run\r\n");
  file("d:\\SETUP\\Setup.EXE");
  file("d:\\SETUP\\ISCII.INI", "[LANGLIST]\r\nLANGUAGE1=LANGB\r\n");
  machineIni("[drives]\nd=cdrom\n[system]\nprogram=D:\\SETUP\\Setup.EXE\n");
  boot();
  SetupMedium medium;
  ASSERT_TRUE(CopyManifestToWindowsDir(&medium));
  EXPECT_STREQ(medium.drive, "D:");
  EXPECT_STREQ(medium.directory, "\\SETUP\\");
  EXPECT_EQ(hostContent("c:\\WINDOWS\\ISCII.INI"), "[LANGLIST]\r\nLANGUAGE1=LANGB\r\n");
}

TEST_F(SetupMediumTest, NoMediumNoCopy) {
  drive('c');
  folder("c:\\WINDOWS");
  file("c:\\WINDOWS\\ISCII.INI", "earlier copy");
  machineIni("[system]\nprogram=D:\\SETUP\\Setup.EXE\n");
  boot();
  SetupMedium medium;
  EXPECT_FALSE(LocateSetupMedium(&medium));
  EXPECT_FALSE(CopyManifestToWindowsDir(&medium));
  EXPECT_EQ(hostContent("c:\\WINDOWS\\ISCII.INI"), "earlier copy");
}

}  // namespace
