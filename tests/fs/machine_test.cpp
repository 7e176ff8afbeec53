// Reading a machine prefix: its drives, settings and faults, and what makes
// a prefix unusable.
#include "platform/fs/machine.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace stdfs = std::filesystem;
using platform::fs::DriveType;
using platform::fs::Machine;

class MachinePrefix : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = stdfs::temp_directory_path() /
            ("machine_test_" + std::to_string(getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    stdfs::remove_all(root_);
    stdfs::create_directories(root_ / "dosdevices");
  }
  void TearDown() override { stdfs::remove_all(root_); }

  void drive(char letter) {
    stdfs::create_directories(root_ / (std::string("drive_") + letter));
    stdfs::create_directory_symlink(std::string("../drive_") + letter,
                                    root_ / "dosdevices" / (std::string(1, letter) + ":"));
  }
  void ini(const std::string& text) { std::ofstream(root_ / "machine.ini") << text; }
  bool load(Machine& machine, std::string& error, const std::string& exe = "") {
    return platform::fs::LoadMachine(root_.string(), exe, machine, error);
  }

  stdfs::path root_;
};

TEST_F(MachinePrefix, DefaultsWithoutMachineIni) {
  drive('c');
  Machine machine;
  std::string error;
  ASSERT_TRUE(load(machine, error)) << error;
  EXPECT_EQ(machine.drive('c').type, DriveType::Fixed);  // unlisted entries are fixed
  EXPECT_EQ(machine.drive('d').type, DriveType::None);
  EXPECT_EQ(machine.windowsDir, "c:\\WINDOWS");
  EXPECT_EQ(machine.systemDir, "c:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(machine.screenWidth, 800);
  EXPECT_EQ(machine.screenHeight, 600);
}

TEST_F(MachinePrefix, ReadsDrivesSystemDisplayAndFaults) {
  drive('c');
  drive('d');
  ini("[drives]\nd=CDROM\na=removable\n[system]\nwindows=c:\\WIN\nprogram=d:\\SETUP\\Setup.EXE\n"
      "[display]\nscreen=1024x768\n[faults]\ndeny=c:\\SECRET; c:\\X\nno-template=MainDlg\n");
  Machine machine;
  std::string error;
  ASSERT_TRUE(load(machine, error)) << error;
  EXPECT_EQ(machine.drive('d').type, DriveType::CdRom);
  EXPECT_EQ(machine.drive('a').type, DriveType::Removable);
  EXPECT_TRUE(machine.drive('a').hostPath.empty());  // listed without a disk
  EXPECT_EQ(machine.systemDir, "c:\\WIN\\SYSTEM");
  EXPECT_EQ(machine.cwd, "d:\\SETUP");
  EXPECT_EQ(machine.screenWidth, 1024);
  EXPECT_EQ(machine.deny, (std::vector<std::string>{"c:\\SECRET", "c:\\X"}));
  EXPECT_TRUE(machine.templateDenied("MAINDLG"));
  EXPECT_TRUE(machine.eject('d'));
  EXPECT_TRUE(machine.drive('d').hostPath.empty());
  EXPECT_EQ(machine.drive('d').type, DriveType::CdRom);
  EXPECT_FALSE(machine.eject('q'));
}

TEST_F(MachinePrefix, TheProgramPathComesFromTheExecutableOnADrive) {
  drive('d');
  stdfs::create_directories(root_ / "drive_d" / "SETUP");
  std::ofstream(root_ / "drive_d" / "SETUP" / "Setup.EXE") << "";
  Machine machine;
  std::string error;
  ASSERT_TRUE(load(machine, error, (root_ / "drive_d" / "SETUP" / "Setup.EXE").string())) << error;
  EXPECT_EQ(machine.program, "D:\\SETUP\\Setup.EXE");
  EXPECT_EQ(machine.cwd, "D:\\SETUP");
  EXPECT_EQ(platform::fs::VirtualPathOfHost(machine, (root_ / "drive_d").string()), "D:\\");
  EXPECT_EQ(platform::fs::VirtualPathOfHost(machine, "/"), "");
}

TEST_F(MachinePrefix, UnusablePrefixesAreClearErrors) {
  Machine machine;
  std::string error;
  EXPECT_FALSE(platform::fs::LoadMachine("", "", machine, error));
  EXPECT_NE(error.find("SETUP_PREFIX is not set"), std::string::npos);
  EXPECT_FALSE(platform::fs::LoadMachine((root_ / "nowhere").string(), "", machine, error));
  EXPECT_NE(error.find("is not a folder"), std::string::npos);
  ini("[drives]\nc=floppy\n");
  EXPECT_FALSE(load(machine, error));
  EXPECT_NE(error.find("c=floppy is not one of"), std::string::npos);
  ini("[display]\nscreen=100x100\n");
  EXPECT_FALSE(load(machine, error));
  EXPECT_NE(error.find("screen=100x100"), std::string::npos);
}

}  // namespace
