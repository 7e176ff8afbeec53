// Times the headless disk search over a large drive against GNU find on the
// same host folder, in one run, and prints both and their ratio:
//   search_benchmark PROGRAM TREE WORK [RUNS]
// PROGRAM is build/setup, TREE a folder made by make_big_drive, WORK a folder
// for the machine prefix. The program is run up to its folder chooser, that
// is through the whole search, and then stopped by its script. With an X
// display the search is also timed on the window display, whose status line
// is repainted while it runs; each display's time for the same run over an
// empty drive (start-up, pages, windows) is taken off, to compare the searches.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs a command with its output thrown away; gives its exit status.
int Run(const std::vector<std::string>& command, const std::vector<std::string>& environment) {
  std::vector<char*> argv, envp;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child;
  int status = -1;
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
    waitpid(child, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double Seconds(const std::vector<std::string>& command, const std::vector<std::string>& environment,
               int& status) {
  auto start = std::chrono::steady_clock::now();
  status = Run(command, environment);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// c: is the tree; the Windows directory is on a RAM disk and the medium on a
// CD-ROM, neither of which the search lists.
void MakePrefix(const fs::path& prefix, const fs::path& tree, const fs::path& program) {
  fs::remove_all(prefix);
  fs::create_directories(prefix / "dosdevices");
  fs::create_directories(prefix / "drive_r" / "WINDOWS");
  fs::create_directories(prefix / "drive_e" / "SETUP");
  fs::create_directory_symlink(fs::absolute(tree), prefix / "dosdevices" / "c:");
  fs::create_directory_symlink("../drive_r", prefix / "dosdevices" / "r:");
  fs::create_directory_symlink("../drive_e", prefix / "dosdevices" / "e:");
  fs::copy_file(program, prefix / "drive_e" / "SETUP" / "Setup.EXE");
  std::ofstream(prefix / "drive_e" / "SETUP" / "ISCII.INI")
      << "[LANGLIST]\nLANGUAGE1=L\n[L]\nDISPLAYNAME=Language\n";
  std::ofstream(prefix / "machine.ini")
      << "[drives]\nc=fixed\nr=ramdisk\ne=cdrom\n[system]\nwindows=r:\\WINDOWS\n";
  std::ofstream(prefix / "script.txt") << "dialog SELECTLANGS\nclick 12\nclick 100\n"
                                          "dialog SELECTBROWSE\nclick 10\ndialog SEARCHCOMMON\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: search_benchmark PROGRAM TREE WORK [RUNS]\n");
    return 2;
  }
  fs::path tree = argv[2], work = argv[3];
  int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 5;
  fs::path prefix = work / "prefix", emptyPrefix = work / "empty-prefix";
  MakePrefix(prefix, tree, argv[1]);
  fs::create_directories(work / "empty-tree");
  MakePrefix(emptyPrefix, work / "empty-tree", argv[1]);
  std::vector<std::string> setup = {(prefix / "drive_e" / "SETUP" / "Setup.EXE").string()};
  std::vector<std::string> setupEnvironment = {"SETUP_PREFIX=" + prefix.string(),
                                               "SETUP_UI=headless",
                                               "SETUP_SCRIPT=" + (prefix / "script.txt").string()};
  std::vector<std::string> find = {"find", tree.string(), "-iname", "iexplore.exe"};
  std::vector<std::string> findEnvironment;
  for (char** entry = environ; *entry; ++entry) findEnvironment.push_back(*entry);

  // One run of each first, so that both find the tree in the page cache.
  int status = 0;
  Seconds(find, findEnvironment, status);
  Seconds(setup, setupEnvironment, status);
  if (status != 124) {
    std::fprintf(stderr, "the program did not reach its folder chooser (exit %d)\n", status);
    return 1;
  }
  const char* display = std::getenv("DISPLAY");
  std::vector<std::string> windowEnvironment = setupEnvironment;
  windowEnvironment[1] = "SETUP_UI=window";
  if (display) windowEnvironment.push_back(std::string("DISPLAY=") + display);
  if (const char* authority = std::getenv("XAUTHORITY")) {
    windowEnvironment.push_back(std::string("XAUTHORITY=") + authority);
  }
  // The same runs over an empty drive.
  auto overEmpty = [&](std::vector<std::string> environment) {
    environment[0] = "SETUP_PREFIX=" + emptyPrefix.string();
    environment[2] = "SETUP_SCRIPT=" + (emptyPrefix / "script.txt").string();
    return environment;
  };
  std::vector<std::string> emptySetup = {
      (emptyPrefix / "drive_e" / "SETUP" / "Setup.EXE").string()};
  std::vector<double> searchTimes, findTimes, windowTimes, emptyTimes, emptyWindowTimes;
  for (int run = 0; run < runs; ++run) {
    searchTimes.push_back(Seconds(setup, setupEnvironment, status));
    findTimes.push_back(Seconds(find, findEnvironment, status));
    if (!display) continue;
    windowTimes.push_back(Seconds(setup, windowEnvironment, status));
    if (status != 124) {
      std::fprintf(stderr, "the window display's run did not reach the chooser (exit %d)\n",
                   status);
      return 1;
    }
    emptyTimes.push_back(Seconds(emptySetup, overEmpty(setupEnvironment), status));
    emptyWindowTimes.push_back(Seconds(emptySetup, overEmpty(windowEnvironment), status));
  }
  double search = Median(searchTimes), found = Median(findTimes);
  std::printf(
      "runs: %d (medians)\nsearch (headless setup): %.3f s\nfind -iname:             %.3f s\n"
      "ratio search / find:     %.2f\n",
      runs, search, found, search / found);
  if (display) {
    double window = Median(windowTimes);
    double headlessSearch = search - Median(emptyTimes);
    double windowSearch = window - Median(emptyWindowTimes);
    std::printf(
        "run (window display):    %.3f s\n"
        "the search alone, without start-up and pages: headless %.3f s, window %.3f s\n"
        "ratio window / headless: %.2f\n",
        window, headlessSearch, windowSearch, windowSearch / headlessSearch);
  }
  return 0;
}
