#include "platform/shell/folder_browser.h"

#include <algorithm>

#include "platform/fs/file_system.h"
#include "platform/fs/virtual_path.h"
#include "platform/profile/profile_document.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"

namespace platform::shell {
namespace {

constexpr int kTitleId = 0x3742;
constexpr int kTreeId = 0x3741;

std::string DriveLabel(fs::DriveType type, char letter) {
  const char* kind = type == fs::DriveType::CdRom       ? "CD-ROM"
                     : type == fs::DriveType::Removable ? "Removable disk"
                     : type == fs::DriveType::Remote    ? "Network drive"
                     : type == fs::DriveType::RamDisk   ? "RAM disk"
                                                        : "Fixed disk";
  return std::string(kind) + " (" + char(letter - 'a' + 'A') + ":)";
}

std::vector<ui::TreeItem> DriveRows() {
  std::vector<ui::TreeItem> rows;
  const fs::Machine& machine = fs::Files().machine();
  for (int index = 0; index < 26; ++index) {
    const fs::Drive& drive = machine.drives[size_t(index)];
    if (drive.type == fs::DriveType::None) continue;
    char letter = char('a' + index);
    rows.push_back(ui::TreeItem{DriveLabel(drive.type, letter), 0, true, false,
                                std::string(1, char(letter - 'a' + 'A')) + ":\\"});
  }
  return rows;
}

// The folders in a folder, sorted without regard to case; hidden ones left out.
std::vector<std::string> Subfolders(const std::string& path) {
  std::vector<std::string> names;
  fs::Resolved resolved;
  DWORD error;
  std::vector<fs::ListedEntry> entries;
  if (!fs::Files().resolve(path, resolved, error) || !resolved.exists || !resolved.isDirectory ||
      !fs::ListHostDirectory(fs::Files().driveRoot(resolved.path.drive)->path(), resolved.host,
                             resolved.path.isRoot(), "*", entries)) {
    return names;
  }
  for (const fs::ListedEntry& entry : entries) {
    if ((entry.attributes & FILE_ATTRIBUTE_DIRECTORY) && entry.name[0] != '.') {
      names.push_back(entry.name);
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return _stricmp(a.c_str(), b.c_str()) < 0;
  });
  return names;
}

std::string ChildPath(const std::string& parent, const std::string& name) {
  return parent + (parent.back() == '\\' ? "" : "\\") + name;
}

bool IsChoosable(const ui::TreeItem& row) {
  fs::Resolved resolved;
  DWORD error;
  return fs::Files().resolve(row.data, resolved, error) && resolved.exists && resolved.isDirectory;
}

// The dialog's state while it runs.
class Browser {
 public:
  Browser(ui::WindowSystem& windows, HWND dialog, HWND tree)
      : windows_(windows), dialog_(dialog), tree_(tree) {}

  void command(int id, int code);
  bool browseTo(const std::string& path);
  const std::optional<std::string>& chosen() const { return chosen_; }

 private:
  ui::Window& tree() { return *windows_.find(tree_); }
  void toggle(int row);
  void expand(int row);
  void updateOk();
  int childNamed(int row, const std::string& name);

  ui::WindowSystem& windows_;
  HWND dialog_;
  HWND tree_;
  std::optional<std::string> chosen_;
};

void Browser::command(int id, int code) {
  int selected = tree().currentSelection;
  if (id == kTreeId && code == ui::kTreeSelectionChanged) updateOk();
  if (id == kTreeId && code == ui::kTreeToggleRequested) toggle(selected);
  if (id == IDOK && selected >= 0 && IsChoosable(tree().treeItems[size_t(selected)])) {
    chosen_ = tree().treeItems[size_t(selected)].data;
    EndDialog(dialog_, IDOK);
  }
  if (id == IDCANCEL) EndDialog(dialog_, IDCANCEL);
}

void Browser::updateOk() {
  int selected = tree().currentSelection;
  bool choosable = selected >= 0 && IsChoosable(tree().treeItems[size_t(selected)]);
  if (ui::Window* ok = windows_.child(dialog_, IDOK)) windows_.enable(*ok, choosable);
}

void Browser::toggle(int row) {
  std::vector<ui::TreeItem>& rows = tree().treeItems;
  if (row < 0 || row >= int(rows.size())) return;
  if (!rows[size_t(row)].expanded) {
    expand(row);
    return;
  }
  size_t end = size_t(row) + 1;
  while (end < rows.size() && rows[end].depth > rows[size_t(row)].depth) ++end;
  rows.erase(rows.begin() + row + 1, rows.begin() + long(end));
  rows[size_t(row)].expanded = false;
  windows_.changed(tree());
}

void Browser::expand(int row) {
  std::vector<ui::TreeItem>& rows = tree().treeItems;
  ui::TreeItem& parent = rows[size_t(row)];
  if (parent.expanded) return;
  std::vector<ui::TreeItem> children;
  for (const std::string& name : Subfolders(parent.data)) {
    children.push_back(
        ui::TreeItem{name, parent.depth + 1, true, false, ChildPath(parent.data, name)});
  }
  parent.expanded = true;
  parent.expandable = !children.empty();
  rows.insert(rows.begin() + row + 1, children.begin(), children.end());
  windows_.changed(tree());
}

int Browser::childNamed(int row, const std::string& name) {
  const std::vector<ui::TreeItem>& rows = tree().treeItems;
  for (size_t i = size_t(row) + 1; i < rows.size() && rows[i].depth > rows[size_t(row)].depth;
       ++i) {
    if (rows[i].depth == rows[size_t(row)].depth + 1 && profile::NamesEqual(rows[i].text, name)) {
      return int(i);
    }
  }
  return -1;
}

// Opens the tree along the path, selects its folder and presses OK.
bool Browser::browseTo(const std::string& path) {
  fs::VirtualPath target;
  DWORD error;
  if (!fs::MakeFullPath(path, fs::Files().currentDirectory(), target, error)) return false;
  std::string drive =
      std::string(1, char(std::toupper(static_cast<unsigned char>(target.drive)))) + ":\\";
  int row = -1;
  for (size_t i = 0; i < tree().treeItems.size(); ++i) {
    if (tree().treeItems[i].depth == 0 && tree().treeItems[i].data == drive) row = int(i);
  }
  for (size_t part = 0; row >= 0 && part < target.components.size(); ++part) {
    expand(row);
    row = childNamed(row, target.components[part]);
  }
  if (row < 0 || !IsChoosable(tree().treeItems[size_t(row)])) return false;
  ui::SelectTreeItem(windows_, tree(), row);
  command(IDOK, BN_CLICKED);
  return true;
}

INT_PTR CALLBACK BrowserProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND) return FALSE;
  ui::Window* window = ui::Windows().find(dialog);
  if (window && window->dialog->onCommand)
    window->dialog->onCommand(LOWORD(wParam), HIWORD(wParam));
  return TRUE;
}

ui::Window& CreateBrowserWindow(ui::WindowSystem& windows, HWND owner, const std::string& title) {
  ui::Window& dialog =
      ui::CreateLayerDialog(windows, owner, "Browse for Folder",
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER, BrowserProcedure);
  ui::PlaceCentred(windows, dialog, 296, 290);
  ui::AddChildControl(windows, dialog, ui::WindowKind::Static, "STATIC", kTitleId, title,
                      SS_LEFT | SS_NOPREFIX, {12, 12, 272, 26});
  ui::Window& tree = ui::AddChildControl(windows, dialog, ui::WindowKind::TreeView, "SysTreeView32",
                                         kTreeId, "", WS_BORDER | WS_TABSTOP, {12, 44, 272, 190});
  tree.treeItems = DriveRows();
  ui::Window& ok = ui::AddChildControl(windows, dialog, ui::WindowKind::Button, "BUTTON", IDOK,
                                       "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {128, 250, 75, 23});
  ok.enabled = false;
  ui::AddChildControl(windows, dialog, ui::WindowKind::Button, "BUTTON", IDCANCEL, "Cancel",
                      WS_TABSTOP | BS_PUSHBUTTON, {209, 250, 75, 23});
  dialog.dialog->lastFocus = tree.handle();
  dialog.dialog->defaultId = IDOK;
  return dialog;
}

}  // namespace

std::optional<std::string> BrowseForFolder(ui::WindowSystem& windows, HWND owner,
                                           const std::string& title) {
  ui::Window& dialog = CreateBrowserWindow(windows, owner, title);
  Browser browser(windows, dialog.handle(), windows.child(dialog.handle(), kTreeId)->handle());
  dialog.dialog->onCommand = [&browser](int id, int code) { browser.command(id, code); };
  dialog.dialog->browseTo = [&browser](const std::string& path) { return browser.browseTo(path); };
  HWND handle = dialog.handle();
  dialog.dialog->cancelBrowse = [handle]() { EndDialog(handle, IDCANCEL); };
  ui::RunModal(windows, dialog);
  return browser.chosen();
}

}  // namespace platform::shell
