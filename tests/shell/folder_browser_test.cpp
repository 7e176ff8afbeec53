// The folder browser: its tree of drives and folders, what can be chosen, and
// the item list it gives back.
#include "platform/shell/folder_browser.h"

#include <gtest/gtest.h>

#include "platform/ui/controls.h"
#include "platform/ui/input.h"
#include "tests/support/prefix_fixture.h"
#include "tests/support/ui_fixture.h"

namespace {

class FolderBrowser : public testing_support::PrefixTest {
 protected:
  FolderBrowser() {
    platform::ui::SetWindows(&windows_);
    drive('c');
    drive('d');
    folder("c:\\WINDOWS");
    folder("c:\\Netscape\\Plugins");
    folder("c:\\apps");
    folder("c:\\.hidden");
    file("c:\\file.txt");
    machineIni("[drives]\nd=cdrom\na=removable\n");
    boot();
  }
  ~FolderBrowser() override { platform::ui::SetWindows(nullptr); }

  // Runs the browser with `act` as the user, once it waits.
  std::optional<std::string> browse(const std::function<void(platform::ui::Window&)>& act) {
    struct User final : platform::ui::InputSource {
      std::function<void(platform::ui::Window&)> act;
      void onIdle() override {
        platform::ui::Window* active =
            platform::ui::Windows().find(platform::ui::Windows().active());
        auto step = std::move(act);
        act = [](platform::ui::Window& window) { window.dialog->cancelBrowse(); };
        step(*active);
      }
    } user;
    user.act = act;
    windows_.setInput(&user);
    return platform::shell::BrowseForFolder(windows_, nullptr, "Select Plugin Folder!");
  }
  platform::ui::Window& tree(platform::ui::Window& browser) {
    return *windows_.child(browser.handle(), 0x3741);
  }
  std::vector<std::string> rows(platform::ui::Window& browser) {
    std::vector<std::string> texts;
    for (const auto& row : tree(browser).treeItems) {
      texts.push_back(std::string(size_t(row.depth) * 2, ' ') + row.text);
    }
    return texts;
  }

  platform::display::HeadlessDisplay display_;
  platform::ui::WindowSystem windows_{display_, 800, 600};
};

TEST_F(FolderBrowser, ShowsTheDrivesThenTheirFoldersSorted) {
  auto chosen = browse([&](platform::ui::Window& browser) {
    EXPECT_EQ(browser.text, "Browse for Folder");
    EXPECT_EQ(windows_.child(browser.handle(), 0x3742)->text, "Select Plugin Folder!");
    EXPECT_EQ(rows(browser),
              (std::vector<std::string>{"Removable disk (A:)", "Fixed disk (C:)", "CD-ROM (D:)"}));
    EXPECT_FALSE(windows_.child(browser.handle(), IDOK)->enabled);
    platform::ui::ToggleTreeItem(windows_, tree(browser), 1);
    EXPECT_EQ(rows(browser),
              (std::vector<std::string>{"Removable disk (A:)", "Fixed disk (C:)", "  apps",
                                        "  Netscape", "  WINDOWS", "CD-ROM (D:)"}));
    EXPECT_TRUE(windows_.child(browser.handle(), IDOK)->enabled);
    // A drive without a disk cannot be chosen.
    platform::ui::SelectTreeItem(windows_, tree(browser), 0);
    EXPECT_FALSE(windows_.child(browser.handle(), IDOK)->enabled);
    platform::ui::ToggleTreeItem(windows_, tree(browser), 1);
    EXPECT_EQ(rows(browser).size(), 3u);
    browser.dialog->cancelBrowse();
  });
  EXPECT_FALSE(chosen);
}

TEST_F(FolderBrowser, BrowsingToAPathChoosesItAsTheDiskNamesIt) {
  auto chosen = browse([](platform::ui::Window& browser) {
    EXPECT_FALSE(browser.dialog->browseTo("c:\\Netscape\\Missing"));
    EXPECT_FALSE(browser.dialog->browseTo("c:\\file.txt"));
    EXPECT_TRUE(browser.dialog->browseTo("c:\\netscape\\plugins"));
  });
  EXPECT_EQ(chosen, "C:\\Netscape\\Plugins");
}

TEST_F(FolderBrowser, OkChoosesTheSelectedFolderAndTheItemListGivesItsPath) {
  struct User final : platform::ui::InputSource {
    void onIdle() override {
      platform::ui::WindowSystem& windows = platform::ui::Windows();
      platform::ui::Window* browser = windows.find(windows.active());
      platform::ui::ToggleTreeItem(windows, *windows.child(browser->handle(), 0x3741), 1);
      platform::ui::ClickControl(windows, *windows.child(browser->handle(), IDOK));
    }
  } user;
  windows_.setInput(&user);
  char name[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.pszDisplayName = name;
  info.lpszTitle = "Select Plugin Folder!";
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
  LPITEMIDLIST list = SHBrowseForFolderA(&info);
  ASSERT_NE(list, nullptr);
  char path[MAX_PATH];
  EXPECT_TRUE(SHGetPathFromIDListA(list, path));
  EXPECT_STREQ(path, "C:\\");
  EXPECT_STREQ(name, "C:\\");
  CoTaskMemFree(list);
}

}  // namespace
