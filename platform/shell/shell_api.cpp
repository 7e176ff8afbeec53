// SHELL32's folder browser and the item lists it returns.
#include <cstdlib>
#include <cstring>

#include "platform/shell/folder_browser.h"

// Our item list is the chosen folder's path.
struct _ITEMIDLIST {
  char path[MAX_PATH];
};

LPITEMIDLIST WINAPI SHBrowseForFolderA(LPBROWSEINFOA info) {
  if (!info) return nullptr;
  auto chosen = platform::shell::BrowseForFolder(platform::ui::Windows(), info->hwndOwner,
                                                 info->lpszTitle ? info->lpszTitle : "");
  if (!chosen || chosen->size() >= MAX_PATH) return nullptr;
  auto* list = static_cast<LPITEMIDLIST>(std::calloc(1, sizeof(ITEMIDLIST)));
  if (!list) return nullptr;
  std::memcpy(list->path, chosen->c_str(), chosen->size() + 1);
  if (info->pszDisplayName) {
    size_t separator = chosen->find_last_of('\\');
    std::string name = separator + 1 < chosen->size() ? chosen->substr(separator + 1) : *chosen;
    std::memcpy(info->pszDisplayName, name.c_str(), name.size() + 1);
  }
  return list;
}

BOOL WINAPI SHGetPathFromIDListA(LPCITEMIDLIST list, LPSTR path) {
  if (!list || !path) return FALSE;
  std::memcpy(path, list->path, std::strlen(list->path) + 1);
  return TRUE;
}

void WINAPI CoTaskMemFree(LPVOID memory) { std::free(memory); }
