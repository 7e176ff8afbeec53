// The machine the program runs on: the prefix folder's machine.ini and its
// dosdevices/ drives.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace platform::fs {

// Drive types with their GetDriveTypeA values.
enum class DriveType { None = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

struct Drive {
  DriveType type = DriveType::None;  // None: the letter is not defined
  std::string hostPath;              // empty: a drive with no disk in it
};

struct Machine {
  std::string prefix;
  std::array<Drive, 26> drives;  // a: to z:
  std::string windowsDir = "c:\\WINDOWS";
  std::string systemDir;  // default <windows>\SYSTEM
  std::string path;       // PATH for SearchPathA, ';'-separated
  std::string program;    // the program's virtual path
  std::string cwd;        // current directory at start
  int codePage = 1252;    // the system code page
  int screenWidth = 800;
  int screenHeight = 600;
  std::vector<std::string> deny;        // listing or opening these (and below) fails
  std::vector<std::string> readonly;    // creating or writing in these (and below) fails
  std::vector<std::string> noTemplate;  // dialog templates that cannot be created

  Drive& drive(char letter);
  const Drive* findDrive(char letter) const;
  // The disk is taken out: from now on the drive has none.
  bool eject(char letter);
  bool templateDenied(const std::string& name) const;
};

// Reads a prefix. On failure returns false and says why in `error`.
bool LoadMachine(const std::string& prefix, const std::string& executablePath, Machine& machine,
                 std::string& error);

// Maps a host path through the drives to a virtual path ("d:\SETUP\Setup.EXE"),
// or "" when it lies on no drive.
std::string VirtualPathOfHost(const Machine& machine, const std::string& hostPath);

}  // namespace platform::fs
