#include "tests/wine/remote_tree.h"

#include <commctrl.h>

#include <cctype>
#include <sstream>

namespace wine_player {
namespace {

constexpr size_t kTextSize = 520;

std::string Lowered(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Whether a tree item stands for the drive ("C:", "C:\" or "Local Disk (C:)").
bool NamesDrive(const std::string& label, char drive) {
  std::string text = Lowered(label),
              letter(1, char(std::tolower(static_cast<unsigned char>(drive))));
  return text == letter + ":" || text == letter + ":\\" ||
         text.find("(" + letter + ":)") != std::string::npos;
}

std::vector<std::string> PartsOf(const std::string& path) {
  std::vector<std::string> parts;
  std::stringstream stream(path.size() > 3 ? path.substr(3) : "");
  std::string part;
  while (std::getline(stream, part, '\\')) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

std::string Listed(const std::vector<std::pair<HTREEITEM, std::string>>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "\"" : ", \"") + item.second + "\"";
  return text.empty() ? "no items" : text;
}

}  // namespace

RemoteTree::RemoteTree(HANDLE process, HWND tree) : process_(process), tree_(tree) {
  remote_ = VirtualAllocEx(process_, nullptr, sizeof(TVITEMA) + kTextSize, MEM_COMMIT | MEM_RESERVE,
                           PAGE_READWRITE);
}

RemoteTree::~RemoteTree() {
  if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
}

std::string RemoteTree::textOf(HTREEITEM item) {
  if (!remote_) return "";
  char* text = static_cast<char*>(remote_) + sizeof(TVITEMA);
  TVITEMA request = {};
  request.mask = TVIF_TEXT;
  request.hItem = item;
  request.pszText = text;
  request.cchTextMax = int(kTextSize);
  char local[kTextSize] = "";
  SIZE_T moved = 0;
  DWORD_PTR result = 0;
  if (!WriteProcessMemory(process_, remote_, &request, sizeof request, &moved) ||
      !SendMessageTimeoutA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_),
                           SMTO_ABORTIFHUNG, 2000, &result) ||
      !ReadProcessMemory(process_, text, local, sizeof local - 1, &moved)) {
    return "";
  }
  return local;
}

std::vector<std::pair<HTREEITEM, std::string>> RemoteTree::children(HTREEITEM parent) {
  DWORD_PTR result = 0;
  if (parent) {
    SendMessageTimeoutA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent),
                        SMTO_ABORTIFHUNG, 5000, &result);
  }
  std::vector<std::pair<HTREEITEM, std::string>> items;
  SendMessageTimeoutA(tree_, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT,
                      reinterpret_cast<LPARAM>(parent), SMTO_ABORTIFHUNG, 2000, &result);
  for (auto item = reinterpret_cast<HTREEITEM>(result); item;) {
    items.emplace_back(item, textOf(item));
    result = 0;
    SendMessageTimeoutA(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item),
                        SMTO_ABORTIFHUNG, 2000, &result);
    item = reinterpret_cast<HTREEITEM>(result);
  }
  return items;
}

void RemoteTree::select(HTREEITEM item) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

bool SelectFolder(HANDLE process, HWND browser, const std::string& path, std::string& found) {
  HWND treeWindow = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
  if (!treeWindow || path.size() < 2 || path[1] != ':') {
    found = "no folder tree";
    return false;
  }
  RemoteTree tree(process, treeWindow);
  // The drive is looked for from the roots down, at most three levels deep
  // (the desktop, then the computer, then its drives).
  HTREEITEM at = nullptr;
  std::vector<HTREEITEM> level = {nullptr};
  for (int depth = 0; depth < 3 && !at; ++depth) {
    std::vector<HTREEITEM> next;
    for (HTREEITEM parent : level) {
      for (const auto& [item, label] : tree.children(parent)) {
        if (NamesDrive(label, path[0])) at = item;
        next.push_back(item);
      }
      if (at) break;
    }
    level = next;
  }
  if (!at) {
    found = "no drive " + path.substr(0, 2) + " in the tree: " + Listed(tree.children(nullptr));
    return false;
  }
  for (const std::string& part : PartsOf(path)) {
    auto items = tree.children(at);
    HTREEITEM inner = nullptr;
    for (const auto& [item, label] : items) {
      if (Lowered(label) == Lowered(part)) inner = item;
    }
    if (!inner) {
      found = "no folder \"" + part + "\" among " + Listed(items);
      return false;
    }
    at = inner;
  }
  tree.select(at);
  return true;
}

}  // namespace wine_player
