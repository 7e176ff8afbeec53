// Host trees and the folders the search records in them.
#include "search/disk_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/program_fixture.h"
#include "wizard/setup_state.h"

namespace {

struct SearchRow {
  const char* name;
  const char* machine;               // machine.ini
  std::vector<std::string> entries;  // files, or folders ending in '\'; "link:FROM=TO" makes a link
  std::vector<std::string> found;    // in walk order
};

const std::string kLongA(200, 'a');
const std::string kLongB(60, 'b');

const std::vector<SearchRow> kRows = {
    {"the case of the name does not matter, the folder keeps its own",
     "",
     {"c:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"},
     {"c:\\Program Files\\Internet Explorer"}},
    {"a match in the root is the drive alone", "", {"c:\\iexplore.exe"}, {"c:"}},
    {"a directory of that name is searched, not matched",
     "",
     {"c:\\iexplore.exe\\", "c:\\iexplore.exe\\inner\\iexplore.exe"},
     {"c:\\iexplore.exe\\inner"}},
    {"whole names compare",
     "",
     {"c:\\iexplore.exe.bak", "c:\\iexplore.ex", "c:\\xiexplore.exe"},
     {}},
    {"dot-directories are not searched", "", {"c:\\.cache\\iexplore.exe", "c:\\.iexplore.exe"}, {}},
    {"drives in letter order",
     "[drives]\nd=fixed\n",
     {"d:\\IE5\\iexplore.exe", "c:\\IE\\iexplore.exe"},
     {"c:\\IE", "d:\\IE5"}},
    {"CD-ROM and removable drives are never searched",
     "[drives]\ne=cdrom\na=removable\n",
     {"e:\\iexplore.exe", "a:\\iexplore.exe"},
     {}},
    {"a fixed drive without a disk is passed over",
     "[drives]\nd=fixed\nf=fixed\n",
     {"d:\\iexplore.exe"},
     {"d:"}},
    {"a denied folder is passed over and its siblings searched",
     "[faults]\ndeny=c:\\Locked\n",
     {"c:\\Locked\\iexplore.exe", "c:\\Open\\iexplore.exe"},
     {"c:\\Open"}},
    {"links are not followed", "", {"c:\\Real\\iexplore.exe", "link:c:\\Alias=Real"}, {"c:\\Real"}},
    {"a folder whose paths do not fit is not searched",
     "",
     {"c:\\" + kLongA + "\\" + kLongB + "\\iexplore.exe", "c:\\Short\\iexplore.exe"},
     {"c:\\Short"}},
};

class DiskSearch : public testing_support::ProgramTest {
 protected:
  void build(const SearchRow& row) {
    drive('c');
    machineIni(row.machine);
    for (const std::string& entry : row.entries) {
      if (entry.rfind("link:", 0) == 0) {
        size_t equals = entry.find('=');
        std::filesystem::create_directory_symlink(entry.substr(equals + 1),
                                                  hostPath(entry.substr(5, equals - 5)));
        continue;
      }
      if (!std::filesystem::exists(hostPath(entry.substr(0, 2)))) drive(entry[0]);
      if (entry.back() == '\\') {
        folder(entry);
      } else {
        file(entry);
      }
    }
    boot();
  }
  std::vector<std::string> found() const {
    return std::vector<std::string>(setupState.foundFolders.entries,
                                    setupState.foundFolders.entries + setupState.foundCount);
  }
};

TEST_F(DiskSearch, RecordsEveryFolderThatHoldsTheExecutable) {
  for (const SearchRow& row : kRows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "dosdevices");
    build(row);
    setupState.currentBrowser = BrowserInternetExplorer;
    SearchFixedDisks(nullptr, 2);
    EXPECT_STREQ(setupState.targetExe, "iexplore.exe");
    EXPECT_EQ(found(), row.found);
    EXPECT_EQ(setupState.browserFound, row.found.empty() ? 0 : 1);
  }
}

TEST_F(DiskSearch, ASecondSearchStartsEmpty) {
  build({"", "", {"c:\\IE\\iexplore.exe", "c:\\NS\\netscape.exe"}, {}});
  setupState.currentBrowser = BrowserInternetExplorer;
  SearchFixedDisks(nullptr, 2);
  setupState.currentBrowser = BrowserNetscape;
  SearchFixedDisks(nullptr, 2);
  EXPECT_STREQ(setupState.targetExe, "netscape.exe");
  EXPECT_EQ(found(), (std::vector<std::string>{"c:\\NS"}));
}

TEST_F(DiskSearch, KeepsTheFirst63MatchesAndLeavesTheCurrentDirectoryAtTheRoot) {
  drive('c');
  for (int i = 0; i < 64; ++i) file("c:\\F" + std::to_string(i) + "\\iexplore.exe");
  boot();
  setupState.currentBrowser = BrowserInternetExplorer;
  SearchFixedDisks(nullptr, 2);
  EXPECT_EQ(setupState.foundCount, 63);
  EXPECT_EQ(setupState.browserFound, 1);
  EXPECT_EQ(files_->currentDirectory(), "c:\\");
}

TEST_F(DiskSearch, AnIncompleteSubtreeReportsZero) {
  drive('c');
  file("c:\\Locked\\x");
  file("c:\\Open\\iexplore.exe");
  machineIni("[faults]\ndeny=c:\\Locked\n");
  boot();
  EXPECT_EQ(SearchDirectory("c:", "iexplore.exe", nullptr, 2), 0);
  EXPECT_EQ(SearchDirectory("c:\\Open", "iexplore.exe", nullptr, 2), 1);
  EXPECT_EQ(SearchDirectory("c:\\None", "iexplore.exe", nullptr, 2), 0);
}

TEST_F(DiskSearch, TheDialogShowsItsHeadingAndEachDirectoryAsItIsListed) {
  drive('c');
  drive('d');
  file("c:\\Program Files\\iexplore.exe");
  file("d:\\readme.txt");
  machineIni("[drives]\nd=fixed\n");
  boot();
  setupState.currentBrowser = BrowserNetscape;
  display_.watch("SEARCHING", 1);
  EXPECT_EQ(runDialog("Searching", SearchingDlgProc, [](HWND) {}), 1);
  EXPECT_EQ(display_.texts(),
            (std::vector<std::string>{"Searching Fixed disk/disks for Netscape Naviagtor..."}));
  setupState.currentBrowser = BrowserInternetExplorer;
  display_.watch("SEARCHING", 2);
  runDialog("Searching", SearchingDlgProc, [](HWND) {});
  EXPECT_EQ(display_.texts(), (std::vector<std::string>{"c:", "c:\\Program Files", "d:"}));
}

}  // namespace
