// Virtual paths resolved to the host: case, "." and "..", relative paths,
// the current drive's root, leaving the drive, length, denied folders, drives
// without a disk and links.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/fs/virtual_path.h"
#include "tests/support/prefix_fixture.h"

namespace {

using platform::fs::Resolved;

struct PathRow {
  const char* path;
  const char* currentDirectory;
  DWORD error;  // ERROR_SUCCESS: it resolves
  const char* virtualPath;
  const char* host;  // below the prefix
  bool exists;
  bool isDirectory;
  bool parentExists;
};

const std::string kLong = "c:\\" + std::string(257, 'x');

const PathRow kRows[] = {
    {"c:\\WINDOWS\\Fonts", "c:\\", 0, "c:\\WINDOWS\\Fonts", "drive_c/WINDOWS/Fonts", true, true,
     true},
    {"C:\\windows\\FONTS", "c:\\", 0, "C:\\windows\\FONTS", "drive_c/WINDOWS/Fonts", true, true,
     true},
    {"c:/program files/internet explorer/iexplore.exe", "c:\\", 0,
     "c:\\program files\\internet explorer\\iexplore.exe",
     "drive_c/Program Files/Internet Explorer/IEXPLORE.EXE", true, false, true},
    {"c:\\Mixed\\FILE.TXT", "c:\\", 0, "c:\\Mixed\\FILE.TXT", "drive_c/Mixed/FILE.TXT", true, false,
     true},
    {"c:\\WINDOWS\\.\\Fonts\\..\\New", "c:\\", 0, "c:\\WINDOWS\\New", "drive_c/WINDOWS/New", false,
     false, true},
    {"Fonts", "c:\\WINDOWS", 0, "c:\\WINDOWS\\Fonts", "drive_c/WINDOWS/Fonts", true, true, true},
    {"..\\Program Files", "c:\\WINDOWS", 0, "c:\\Program Files", "drive_c/Program Files", true,
     true, true},
    {"\\Setup.EXE", "d:\\SETUP", 0, "d:\\Setup.EXE", "drive_d/Setup.EXE", false, false, true},
    {"d:setup.exe", "d:\\SETUP", 0, "d:\\SETUP\\setup.exe", "drive_d/SETUP/Setup.EXE", true, false,
     true},
    {"d:setup.exe", "c:\\WINDOWS", 0, "d:\\setup.exe", "drive_d/setup.exe", false, false, true},
    {"c:\\inside\\fonts", "c:\\", 0, "c:\\inside\\fonts", "drive_c/inside/Fonts", true, true, true},
    {"c:\\out\\hosts", "c:\\", 0, "c:\\out\\hosts", "drive_c/out/hosts", false, false, false},
    {"c:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\\x", "c:\\", 0,
     "c:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\\x",
     "drive_c/Program Files/Internet Explorer/IEXPLORE.EXE/x", false, false, false},
    {"c:\\nope\\x", "c:\\", 0, "c:\\nope\\x", "drive_c/nope/x", false, false, false},
    // ".." at a root stays there, so no path leaves its drive.
    {"c:\\..\\..\\WINDOWS", "c:\\", 0, "c:\\WINDOWS", "drive_c/WINDOWS", true, true, true},
    {"c:\\..", "c:\\", 0, "c:\\", "drive_c", true, true, true},
    {"c:", "c:\\WINDOWS", 0, "c:\\WINDOWS", "drive_c/WINDOWS", true, true, true},
    {kLong.c_str(), "c:\\", ERROR_FILENAME_EXCED_RANGE, "", "", false, false, false},
    {"c:\\SECRET\\x", "c:\\", ERROR_ACCESS_DENIED, "", "", false, false, false},
    {"c:\\secret", "c:\\", ERROR_ACCESS_DENIED, "", "", false, false, false},
    {"e:\\x", "c:\\", ERROR_NOT_READY, "", "", false, false, false},
    {"q:\\x", "c:\\", ERROR_PATH_NOT_FOUND, "", "", false, false, false},
    {"\\\\server\\share\\x", "c:\\", ERROR_PATH_NOT_FOUND, "", "", false, false, false},
};

class Paths : public testing_support::PrefixTest {
 protected:
  void SetUp() override {
    drive('c');
    drive('d');
    folder("c:\\WINDOWS\\Fonts");
    file("c:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
    file("c:\\Mixed\\FILE.TXT", "upper");
    file("c:\\Mixed\\file.txt", "lower");
    file("c:\\SECRET\\x");
    file("d:\\SETUP\\Setup.EXE");
    std::filesystem::create_directory_symlink("WINDOWS", hostPath("c:\\inside"));
    std::filesystem::create_directory_symlink("/etc", hostPath("c:\\out"));
    machineIni("[drives]\nd=cdrom\ne=removable\n[faults]\ndeny=c:\\Secret\n");
    boot();
  }
};

TEST_F(Paths, ResolveToTheHost) {
  for (const PathRow& row : kRows) {
    SCOPED_TRACE(row.path);
    platform::fs::VirtualPath current;
    DWORD error;
    ASSERT_TRUE(platform::fs::MakeFullPath(row.currentDirectory, "c:\\", current, error));
    files_->setCurrentDirectory(current);
    Resolved resolved;
    bool ok = files_->resolve(row.path, resolved, error);
    EXPECT_EQ(ok, row.error == ERROR_SUCCESS);
    EXPECT_EQ(error, row.error);
    if (!ok) continue;
    EXPECT_EQ(resolved.path.text(), row.virtualPath);
    EXPECT_EQ(resolved.host, (std::filesystem::canonical(root_) / row.host).string());
    EXPECT_EQ(resolved.exists, row.exists);
    EXPECT_EQ(resolved.isDirectory, row.isDirectory);
    EXPECT_EQ(resolved.parentExists, row.parentExists);
  }
}

TEST_F(Paths, AnExactCasePathReadsNoDirectory) {
  Resolved resolved;
  DWORD error;
  ASSERT_TRUE(
      files_->resolve("c:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", resolved, error));
  EXPECT_TRUE(resolved.exists);
  EXPECT_EQ(files_->directoryScans(), 0u);
  ASSERT_TRUE(
      files_->resolve("c:\\PROGRAM FILES\\Internet Explorer\\iexplore.exe", resolved, error));
  EXPECT_TRUE(resolved.exists);
  EXPECT_EQ(files_->directoryScans(), 2u);  // the root, then the browser's folder
}

}  // namespace
