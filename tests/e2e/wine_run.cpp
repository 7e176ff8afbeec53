#include "tests/e2e/wine_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/e2e/scenario_run.h"

namespace e2e {
namespace fs = std::filesystem;
namespace {

const char* const kWine = "/usr/lib/wine/wine64";
const char* const kWineServer = "/usr/lib/wine/wineserver64";

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Wine sees the host's root as drive z:.
std::string WinePath(const fs::path& host) {
  std::string path = "Z:" + fs::absolute(host).string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

int Shell(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string WineEnvironment(const fs::path& prefix) {
  return "WINEPREFIX=" + Quote(prefix.string()) +
         " WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' ";
}

std::string Lowered(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The host entry of a virtual path on wine's own c:, matching each
// component without regard to case; missing ones keep the case given.
fs::path OnWineDriveC(const fs::path& driveC, const std::vector<std::string>& parts) {
  fs::path host = driveC;
  for (const std::string& part : parts) {
    fs::path found = host / part;
    if (fs::is_directory(host)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(host)) {
        if (Lowered(entry.path().filename().string()) == Lowered(part)) found = entry.path();
      }
    }
    host = found;
  }
  return host;
}

// A virtual path's host entry in a wine run: on wine's own c:, or on the
// drive folder the layer's machine made.
fs::path HostOf(const VirtualPath& path, const fs::path& winePrefix, const fs::path& layerPrefix) {
  if (path.drive == 'c') return OnWineDriveC(winePrefix / "drive_c", path.parts);
  fs::path host = layerPrefix / ("drive_" + std::string(1, path.drive));
  for (const std::string& part : path.parts) host /= part;
  return host;
}

// Copies the layer's drive c: into wine's, folder by folder.
void MergeDriveC(const fs::path& from, const fs::path& driveC,
                 std::vector<std::string> parts = {}) {
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    std::vector<std::string> inner = parts;
    inner.push_back(entry.path().filename().string());
    fs::path target = OnWineDriveC(driveC, inner);
    if (entry.is_directory()) {
      fs::create_directories(target);
      MergeDriveC(entry.path(), driveC, inner);
    } else {
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
    }
  }
}

// The program's path as the shell starts it: an upper-case drive letter.
std::string ShellPath(const VirtualPath& path) {
  std::string text =
      std::string(1, char(std::toupper(static_cast<unsigned char>(path.drive)))) + ":";
  for (const std::string& part : path.parts) text += "\\" + part;
  return text;
}

// Wine brings browsers of its own; a scenario's machine has only its own.
void RemoveWineBrowsers(const fs::path& prefix) {
  std::vector<fs::path> browsers;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(prefix / "drive_c")) {
    std::string name = Lowered(entry.path().filename().string());
    if (entry.is_regular_file() && (name == "iexplore.exe" || name == "netscape.exe")) {
      browsers.push_back(entry.path());
    }
  }
  for (const fs::path& browser : browsers) fs::remove(browser);
}

std::string DriveTypeOf(const std::string& machine, char letter) {
  std::istringstream lines(machine);
  std::string line;
  bool inDrives = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') inDrives = Lowered(line) == "[drives]";
    if (inDrives && line.size() > 2 && std::tolower(line[0]) == letter && line[1] == '=') {
      return Lowered(line.substr(2));
    }
  }
  return "fixed";
}

// Our drives in the wine prefix, with their types; wine's z: (the host's
// root) becomes a CD-ROM so that the search passes it over.
void MapDrives(const fs::path& layerPrefix, const fs::path& winePrefix,
               const std::string& machine) {
  std::string reg = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n\"z:\"=\"cdrom\"\n";
  for (const fs::directory_entry& entry : fs::directory_iterator(layerPrefix / "dosdevices")) {
    std::string name = entry.path().filename().string();
    char letter = name[0];
    fs::path drive = fs::canonical(entry.path());
    if (letter == 'c') {
      MergeDriveC(drive, winePrefix / "drive_c");
    } else {
      fs::path link = winePrefix / "dosdevices" / name;
      fs::remove(link);
      fs::create_directory_symlink(drive, link);
    }
    std::string type = DriveTypeOf(machine, letter);
    reg +=
        "\"" + std::string(1, letter) + ":\"=\"" + (type == "removable" ? "floppy" : type) + "\"\n";
  }
  writeFile(winePrefix / "drives.reg", reg);
  Shell(WineEnvironment(winePrefix) + kWine + " regedit /S " +
        Quote(WinePath(winePrefix / "drives.reg")) + " > /dev/null 2>&1");
  // The drives' types are read when wine's services start: they start again.
  Shell(WineEnvironment(winePrefix) + kWineServer + " -k > /dev/null 2>&1; " +
        WineEnvironment(winePrefix) + kWineServer + " -w");
}

// Where the player finds each drive's folder to take its disk out:
// "d=Z:\...\drive_d;e=..." for the drives other than c:.
std::string DriveFolders(const fs::path& layerPrefix) {
  std::string folders;
  for (const fs::directory_entry& entry : fs::directory_iterator(layerPrefix / "dosdevices")) {
    char letter = entry.path().filename().string()[0];
    if (letter == 'c') continue;
    folders += (folders.empty() ? "" : ";") + std::string(1, letter) + "=" +
               WinePath(fs::canonical(entry.path()));
  }
  return folders;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string LayerOnlyReason(const ScenarioFile& file, const Scenario& scenario) {
  std::string machine = Lowered(scenario.machine.value_or(file.machine.value_or("")));
  if (!scenario.layerOnly.empty()) return scenario.layerOnly;
  if (!file.program) return "the program is not on the machine";
  if (machine.find("[faults]") != std::string::npos) return "faults are the layer's own";
  if (machine.find("[display]") != std::string::npos) return "the screen size is the layer's own";
  if (machine.find("windows=") != std::string::npos) return "wine's Windows directory is fixed";
  if (!scenario.env.empty()) return "it sets the layer's environment";
  return "";
}

std::vector<std::string> runScenarioOnWine(const ScenarioFile& file, const std::string& fileStem,
                                           const Scenario& scenario, const WineOptions& options) {
  fs::path root = fs::absolute(options.work) / fileStem / scenario.name;
  fs::path layerPrefix = root / "machine", winePrefix = root / "wine";
  try {
    fs::remove_all(root);
    fs::create_directories(root);
    buildMachine(file, scenario, layerPrefix);
    if (Shell(Quote(options.prefixScript.string()) + " " +
              Quote((fs::absolute(options.work) / "template").string()) + " " +
              Quote(winePrefix.string())) != 0) {
      return {"cannot make a wine prefix in " + winePrefix.string()};
    }
    RemoveWineBrowsers(winePrefix);
    MapDrives(layerPrefix, winePrefix, scenario.machine.value_or(file.machine.value_or("")));
    fs::path programHost = HostOf(*file.program, winePrefix, layerPrefix);
    fs::create_directories(programHost.parent_path());
    fs::copy_file(options.program, programHost, fs::copy_options::overwrite_existing);
    writeFile(root / "script.txt", scenario.script);
  } catch (const std::exception& fault) {
    return {std::string("cannot set up the wine run: ") + fault.what()};
  }
  std::string command =
      WineEnvironment(winePrefix) + "PLAYER_DRIVES=" + Quote(DriveFolders(layerPrefix)) +
      " timeout -s KILL " + std::to_string(options.timeoutSeconds) + " " + kWine + " " +
      Quote(WinePath(options.player)) + " " + Quote(WinePath(options.resources)) + " " +
      Quote(WinePath(root / "script.txt")) + " " + Quote(ShellPath(*file.program)) + " > " +
      Quote((root / "stdout.txt").string()) + " 2> " + Quote((root / "stderr.txt").string());
  int status = std::system(command.c_str());
  Shell(WineEnvironment(winePrefix) + kWineServer + " -k > /dev/null 2>&1");
  std::vector<std::string> failures;
  std::string err = ReadAll(root / "stderr.txt");
  checkExit(scenario, status, err, failures);
  checkStderr(scenario, err, failures);
  for (const FileCheck& check : scenario.files) {
    checkFile(check, HostOf(check.path, winePrefix, layerPrefix), failures);
  }
  return failures;
}

}  // namespace e2e
