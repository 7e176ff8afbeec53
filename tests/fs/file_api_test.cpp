// KERNEL32's file functions and the C run-time's directory operations over a
// test machine.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/automation/transcript.h"
#include "platform/runtime.h"
#include "tests/support/prefix_fixture.h"

namespace {

class FileApi : public testing_support::PrefixTest {
 protected:
  void SetUp() override {
    drive('c');
    drive('d');
    folder("c:\\WINDOWS\\SYSTEM");
    folder("c:\\WINDOWS\\Fonts");
    folder("c:\\Data");
    file("c:\\Data\\OLD.TXT", "old contents");
    file("d:\\SETUP\\Setup.EXE", "program");
    file("d:\\SETUP\\ISCII.INI", "[LANGLIST]\r\n");
    machineIni(
        "[drives]\nd=cdrom\na=removable\n[system]\nprogram=d:\\SETUP\\Setup.EXE\n"
        "path=c:\\TOOLS;c:\\MORE\n[faults]\nreadonly=c:\\WINDOWS\\Fonts\n");
    boot();
    transcriptPath_ = (root_ / "transcript.txt").string();
    ASSERT_TRUE(transcript_.open(transcriptPath_));
    platform::TheRuntime().transcript = &transcript_;
  }
  void TearDown() override { platform::TheRuntime().transcript = nullptr; }

  std::string transcript() const {
    std::ifstream in(transcriptPath_);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  platform::automation::Transcript transcript_;
  std::string transcriptPath_;
};

struct CopyRow {
  const char* name;
  const char* source;
  const char* destination;
  BOOL failIfExists;
  DWORD error;  // ERROR_SUCCESS: copied
};

const CopyRow kCopies[] = {
    {"new file", "d:\\SETUP\\ISCII.INI", "c:\\WINDOWS\\ISCII.INI", FALSE, ERROR_SUCCESS},
    {"overwrites, keeping the host name's case", "d:\\setup\\iscii.ini", "c:\\data\\old.txt", FALSE,
     ERROR_SUCCESS},
    {"source missing", "d:\\SETUP\\NONE.SRC", "c:\\Data\\x", FALSE, ERROR_FILE_NOT_FOUND},
    {"source folder missing", "d:\\NONE\\x", "c:\\Data\\x", FALSE, ERROR_PATH_NOT_FOUND},
    {"source is a directory", "d:\\SETUP\\", "c:\\Data\\x", FALSE, ERROR_ACCESS_DENIED},
    {"destination folder missing", "d:\\SETUP\\ISCII.INI", "c:\\NONE\\x", FALSE,
     ERROR_PATH_NOT_FOUND},
    {"destination is a directory", "d:\\SETUP\\ISCII.INI", "c:\\Data", FALSE, ERROR_ACCESS_DENIED},
    {"destination exists and must not", "d:\\SETUP\\ISCII.INI", "c:\\Data\\OLD.TXT", TRUE,
     ERROR_FILE_EXISTS},
    {"read-only folder", "d:\\SETUP\\ISCII.INI", "c:\\WINDOWS\\Fonts\\A.TTF", FALSE,
     ERROR_ACCESS_DENIED},
    {"onto the CD-ROM", "c:\\Data\\OLD.TXT", "d:\\SETUP\\x", FALSE, ERROR_ACCESS_DENIED},
    {"drive without a disk", "d:\\SETUP\\ISCII.INI", "a:\\x", FALSE, ERROR_NOT_READY},
};

TEST_F(FileApi, CopyFileCopiesWholeFilesOrNothing) {
  for (const CopyRow& row : kCopies) {
    SCOPED_TRACE(row.name);
    SetLastError(0);
    BOOL copied = CopyFileA(row.source, row.destination, row.failIfExists);
    EXPECT_EQ(copied, row.error == ERROR_SUCCESS);
    if (!copied) {
      EXPECT_EQ(GetLastError(), row.error);
    }
  }
  EXPECT_EQ(hostContent("c:\\WINDOWS\\ISCII.INI"), "[LANGLIST]\r\n");
  EXPECT_EQ(hostContent("c:\\Data\\OLD.TXT"), "[LANGLIST]\r\n");
  EXPECT_FALSE(hostExists("c:\\Data\\old.txt"));
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
    EXPECT_EQ(entry.path().filename().string().rfind(".setup-write-", 0), std::string::npos)
        << "left behind: " << entry.path();
  }
  EXPECT_EQ(
      transcript().rfind("copy \"d:\\\\SETUP\\\\ISCII.INI\" \"c:\\\\WINDOWS\\\\ISCII.INI\" ok\n"
                         "copy \"d:\\\\setup\\\\iscii.ini\" \"c:\\\\data\\\\old.txt\" ok\n"
                         "copy \"d:\\\\SETUP\\\\NONE.SRC\" \"c:\\\\Data\\\\x\" failed\n",
                         0),
      0u);
}

TEST_F(FileApi, MkdirMakesOneLevel) {
  EXPECT_EQ(_mkdir("c:\\iscii_plugin_data"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(hostPath("c:\\iscii_plugin_data")));
  EXPECT_EQ(_mkdir("C:\\ISCII_PLUGIN_DATA"), -1);
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(_mkdir("c:\\a\\b"), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(_mkdir("c:\\WINDOWS\\Fonts\\sub"), -1);
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(transcript(),
            "mkdir \"c:\\\\iscii_plugin_data\" ok\n"
            "mkdir \"C:\\\\ISCII_PLUGIN_DATA\" failed\n"
            "mkdir \"c:\\\\a\\\\b\" failed\n"
            "mkdir \"c:\\\\WINDOWS\\\\Fonts\\\\sub\" failed\n");
}

TEST_F(FileApi, ChdirSetsTheFolderThatRelativePathsStartFrom) {
  EXPECT_EQ(_chdir("c:\\windows"), 0);
  EXPECT_EQ(files_->currentDirectory(), "c:\\windows");
  EXPECT_EQ(_chdir("system\\.."), 0);
  EXPECT_EQ(files_->currentDirectory(), "c:\\windows");
  EXPECT_EQ(_chdir("c:\\NONE"), -1);
  EXPECT_EQ(_chdir("c:\\Data\\OLD.TXT"), -1);
  EXPECT_EQ(_chdir("c:\\.."), 0);  // ".." at the root stays at the root
  EXPECT_EQ(files_->currentDirectory(), "c:\\");
  EXPECT_TRUE(CopyFileA("d:\\SETUP\\ISCII.INI", "Data\\REL.TXT", FALSE));
  EXPECT_TRUE(hostExists("c:\\Data\\REL.TXT"));
}

TEST_F(FileApi, ReadsFilesThroughHandles) {
  HANDLE file = CreateFileA("D:\\SETUP\\setup.exe", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char buffer[16] = {};
  DWORD read = 99;
  EXPECT_TRUE(ReadFile(file, buffer, 4, &read, nullptr));
  EXPECT_EQ(read, 4u);
  EXPECT_TRUE(ReadFile(file, buffer + 4, sizeof buffer - 5, &read, nullptr));
  EXPECT_EQ(read, 3u);
  EXPECT_STREQ(buffer, "program");
  EXPECT_TRUE(ReadFile(file, buffer, 4, &read, nullptr));
  EXPECT_EQ(read, 0u);  // the end of the file
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(CreateFileA("d:\\SETUP\\NONE", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(CreateFileA("d:\\SETUP", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
}

TEST_F(FileApi, DriveTypes) {
  const struct {
    const char* root;
    UINT type;
  } kDrives[] = {{"c:\\", DRIVE_FIXED},       {"C:", DRIVE_FIXED},
                 {"d:\\", DRIVE_CDROM},       {"a:\\", DRIVE_REMOVABLE},
                 {"q:\\", DRIVE_NO_ROOT_DIR}, {"c:\\WINDOWS", DRIVE_NO_ROOT_DIR},
                 {nullptr, DRIVE_CDROM}};  // the current directory's drive: d:\SETUP
  for (const auto& row : kDrives) {
    EXPECT_EQ(GetDriveTypeA(row.root), row.type) << (row.root ? row.root : "(null)");
  }
}

TEST_F(FileApi, WindowsDirectoryAndItsBufferSizes) {
  char buffer[16] = "untouched";
  EXPECT_EQ(GetWindowsDirectoryA(buffer, 10), 11u);  // too small: the size needed
  EXPECT_STREQ(buffer, "untouched");
  EXPECT_EQ(GetWindowsDirectoryA(buffer, 11), 10u);
  EXPECT_STREQ(buffer, "c:\\WINDOWS");
}

struct SearchRow {
  const char* name;
  const char* placeAt;  // where the one file of that name lies, or null
  const char* found;    // what SearchPathA gives, or "" for not found
};

TEST_F(FileApi, SearchPathLooksInItsOrder) {
  file("c:\\WINDOWS\\Setup.EXE");  // the program's own folder comes first
  file("c:\\MORE\\TOOL.EXE");
  file("c:\\WINDOWS\\SYSTEM\\TOOL.EXE");
  file("c:\\TOOLS\\ONLY.EXE");
  const SearchRow kRows[] = {
      {"Setup.EXE", nullptr, "d:\\SETUP\\Setup.EXE"},
      {"setup.exe", nullptr, "d:\\SETUP\\setup.exe"},
      {"TOOL.EXE", nullptr, "c:\\WINDOWS\\SYSTEM\\TOOL.EXE"},
      {"ONLY.EXE", nullptr, "c:\\TOOLS\\ONLY.EXE"},
      {"NONE.EXE", nullptr, ""},
  };
  for (const SearchRow& row : kRows) {
    char buffer[MAX_PATH] = {};
    char* filePart = nullptr;
    DWORD length = SearchPathA(nullptr, row.name, nullptr, MAX_PATH, buffer, &filePart);
    EXPECT_EQ(length, strlen(row.found)) << row.name;
    EXPECT_STREQ(buffer, row.found) << row.name;
    if (length) {
      EXPECT_STREQ(filePart, row.name);
    }
  }
  // The current directory comes before the system directory.
  ASSERT_EQ(_chdir("c:\\MORE"), 0);
  char buffer[MAX_PATH];
  EXPECT_EQ(SearchPathA(nullptr, "TOOL.EXE", nullptr, MAX_PATH, buffer, nullptr), 16u);
  EXPECT_STREQ(buffer, "c:\\MORE\\TOOL.EXE");
  // Too small a buffer: the size needed with its terminator, the buffer untouched.
  char small[8] = "same";
  EXPECT_EQ(SearchPathA(nullptr, "Setup.EXE", nullptr, sizeof small, small, nullptr), 19u);
  EXPECT_STREQ(small, "same");
}

}  // namespace
