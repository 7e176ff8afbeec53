#include "platform/fs/machine.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "platform/profile/profile_document.h"

namespace platform::fs {
namespace {

using profile::NamesEqual;
using profile::ProfileDocument;

int DriveIndex(char letter) {
  char lower = char(std::tolower(static_cast<unsigned char>(letter)));
  return (lower >= 'a' && lower <= 'z') ? lower - 'a' : -1;
}

bool ParseDriveType(const std::string& word, DriveType& type) {
  static const struct {
    const char* word;
    DriveType type;
  } kTypes[] = {{"fixed", DriveType::Fixed},
                {"removable", DriveType::Removable},
                {"cdrom", DriveType::CdRom},
                {"remote", DriveType::Remote},
                {"ramdisk", DriveType::RamDisk}};
  for (const auto& entry : kTypes) {
    if (NamesEqual(word, entry.word)) {
      type = entry.type;
      return true;
    }
  }
  return false;
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream stream(text);
  std::string item;
  while (std::getline(stream, item, ';')) {
    std::string_view trimmed = profile::TrimBlanks(item);
    if (!trimmed.empty()) items.emplace_back(trimmed);
  }
  return items;
}

bool ReadWholeFile(const std::string& path, std::string& text, bool& missing) {
  struct stat info;
  missing = stat(path.c_str(), &info) != 0;
  if (missing) return true;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

// Every "x:" entry of dosdevices/ is a drive with a disk; fixed unless listed.
void ScanDosDevices(Machine& machine) {
  std::string folder = machine.prefix + "/dosdevices";
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name.size() != 2 || name[1] != ':' || DriveIndex(name[0]) < 0) continue;
    Drive& drive = machine.drive(name[0]);
    drive.hostPath = folder + "/" + name;
    if (drive.type == DriveType::None) drive.type = DriveType::Fixed;
  }
  closedir(dir);
}

bool ReadDrives(const ProfileDocument& ini, Machine& machine, std::string& error) {
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    auto word = ini.value("drives", std::string(1, letter));
    if (!word || word->empty()) continue;
    if (!ParseDriveType(*word, machine.drive(letter).type)) {
      error = "machine.ini: [drives] " + std::string(1, letter) + "=" + *word +
              " is not one of fixed, removable, cdrom, remote, ramdisk";
      return false;
    }
  }
  return true;
}

bool ReadScreen(const ProfileDocument& ini, Machine& machine, std::string& error) {
  auto screen = ini.value("display", "screen");
  if (!screen || screen->empty()) return true;
  int width = 0, height = 0;
  char extra = 0;
  if (std::sscanf(screen->c_str(), "%dx%d%c", &width, &height, &extra) != 2 || width < 320 ||
      height < 200 || width > 10000 || height > 10000) {
    error = "machine.ini: [display] screen=" + *screen +
            " is not WIDTHxHEIGHT (from 320x200 to 10000x10000)";
    return false;
  }
  machine.screenWidth = width;
  machine.screenHeight = height;
  return true;
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return path;
  if (slash == 2 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, slash);
}

void ReadSystem(const ProfileDocument& ini, const std::string& executablePath, Machine& machine) {
  auto get = [&](const char* key) { return ini.value("system", key).value_or(""); };
  if (!get("windows").empty()) machine.windowsDir = get("windows");
  machine.systemDir = get("system").empty() ? machine.windowsDir + "\\SYSTEM" : get("system");
  machine.path = get("path");
  machine.program = get("program");
  if (machine.program.empty()) machine.program = VirtualPathOfHost(machine, executablePath);
  machine.cwd = get("cwd");
  if (!get("codepage").empty()) machine.codePage = std::atoi(get("codepage").c_str());
  if (machine.cwd.empty() && !machine.program.empty()) machine.cwd = DirectoryOf(machine.program);
}

void ReadFaults(const ProfileDocument& ini, Machine& machine) {
  machine.deny = SplitList(ini.value("faults", "deny").value_or(""));
  machine.readonly = SplitList(ini.value("faults", "readonly").value_or(""));
  machine.noTemplate = SplitList(ini.value("faults", "no-template").value_or(""));
}

}  // namespace

Drive& Machine::drive(char letter) { return drives[DriveIndex(letter)]; }

const Drive* Machine::findDrive(char letter) const {
  int index = DriveIndex(letter);
  return index < 0 ? nullptr : &drives[index];
}

bool Machine::eject(char letter) {
  int index = DriveIndex(letter);
  if (index < 0 || drives[index].type == DriveType::None) return false;
  drives[index].hostPath.clear();
  return true;
}

bool Machine::templateDenied(const std::string& name) const {
  for (const std::string& denied : noTemplate) {
    if (NamesEqual(denied, name)) return true;
  }
  return false;
}

bool LoadMachine(const std::string& prefix, const std::string& executablePath, Machine& machine,
                 std::string& error) {
  struct stat info;
  if (prefix.empty()) {
    error = "SETUP_PREFIX is not set: it must name the machine prefix folder";
    return false;
  }
  if (stat(prefix.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    error = "the machine prefix " + prefix + " is not a folder";
    return false;
  }
  machine = Machine{};
  machine.prefix = prefix;
  std::string text;
  bool missing = false;
  if (!ReadWholeFile(prefix + "/machine.ini", text, missing)) {
    error = "cannot read " + prefix + "/machine.ini";
    return false;
  }
  ProfileDocument ini = ProfileDocument::parse(text);
  if (!ReadDrives(ini, machine, error) || !ReadScreen(ini, machine, error)) return false;
  ScanDosDevices(machine);
  ReadSystem(ini, executablePath, machine);
  ReadFaults(ini, machine);
  return true;
}

std::string VirtualPathOfHost(const Machine& machine, const std::string& hostPath) {
  char resolved[PATH_MAX];
  if (!realpath(hostPath.c_str(), resolved)) return "";
  std::string host = resolved;
  for (int index = 0; index < 26; ++index) {
    const Drive& drive = machine.drives[index];
    char root[PATH_MAX];
    if (drive.hostPath.empty() || !realpath(drive.hostPath.c_str(), root)) continue;
    std::string base = root;
    if (host.compare(0, base.size(), base) != 0) continue;
    if (host.size() > base.size() && host[base.size()] != '/') continue;
    std::string rest = host.substr(base.size());
    for (char& c : rest) {
      if (c == '/') c = '\\';
    }
    return std::string(1, char('A' + index)) + ":" + (rest.empty() ? "\\" : rest);
  }
  return "";
}

}  // namespace platform::fs
