// What the chooser stores: the destination box's text on OK, cut to a path,
// and the browser's flag.
#include "search/folder_chooser.h"

#include <gtest/gtest.h>

#include "tests/support/program_fixture.h"
#include "wizard/setup_state.h"

namespace {

class FolderChooser : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    drive('c');
    drive('d');
    file("c:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
    file("d:\\IE5\\iexplore.exe");
    machineIni("[drives]\nd=fixed\n");
    boot();
  }
};

TEST_F(FolderChooser, OkStoresTheSelectedProposal) {
  setupState.currentBrowser = BrowserInternetExplorer;
  setupState.installIE = 0;
  EXPECT_EQ(runScript("SearchCommon", SearchCommonDlgProc,
                      "dialog SEARCHCOMMON\n"
                      "expect-list 2 \"c:\\\\Program Files\\\\Internet Explorer\" \"d:\\\\IE5\"\n"
                      "expect-text 4 \"c:\\\\Program Files\\\\Internet Explorer\\\\Plugins\"\n"
                      "select 2 1\n"
                      "click 10\n"),
            10);
  EXPECT_STREQ(setupState.iePluginDir, "d:\\IE5\\Plugins");
  EXPECT_EQ(setupState.installIE, 1);
}

TEST_F(FolderChooser, CancelDropsTheBrowserAndStoresNothing) {
  setupState.currentBrowser = BrowserNetscape;
  setupState.installNetscape = 1;
  snprintf(setupState.netscapePluginDir, kPathSize, "before");
  EXPECT_EQ(runScript("SearchCommon", SearchCommonDlgProc,
                      "messagebox \"Info!\" \"There is no Netscape Navigator in your system\"\n"
                      "answer ok\ntype 4 \"c:\\\\typed\"\nclick 11\n"),
            11);
  EXPECT_STREQ(setupState.netscapePluginDir, "before");
  EXPECT_EQ(setupState.installNetscape, 0);
}

TEST_F(FolderChooser, ALongProposalIsCutTo259Characters) {
  std::string deep = "c:\\" + std::string(200, 'a') + "\\" + std::string(49, 'b');  // 253
  file(deep + "\\iexplore.exe");
  setupState.currentBrowser = BrowserInternetExplorer;
  runScript("SearchCommon", SearchCommonDlgProc,
            "select 2 0\nexpect-text 4 \"" + std::string("c:\\\\") + std::string(200, 'a') +
                "\\\\" + std::string(49, 'b') + "\\\\Plugins\"\nclick 10\n");
  EXPECT_EQ(std::string(setupState.iePluginDir), (deep + "\\Plugins").substr(0, 259));
}

}  // namespace
