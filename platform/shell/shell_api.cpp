// SHELL32's folder browser and the item lists it returns.
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/automation/transcript.h"
#include "platform/runtime.h"
#include "platform/shell/folder_browser.h"
#include "platform/shell/folder_window.h"

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

// Only the folder windows of "explorer.exe" are here: other programs and
// documents have no association.
HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR, LPCSTR file, LPCSTR parameters, LPCSTR, int) {
  constexpr uintptr_t kStarted = 42, kNotFound = 2, kNoAssociation = 31;
  using platform::automation::Transcript;
  std::string program = file ? file : "";
  std::string folder = parameters ? parameters : "";
  platform::Transcribe("shell " + Transcript::quote(program) + " " + Transcript::quote(folder));
  if (_stricmp(program.c_str(), "explorer.exe") != 0) {
    return reinterpret_cast<HINSTANCE>(kNoAssociation);
  }
  bool opened = platform::shell::OpenFolderWindow(platform::ui::Windows(), folder);
  return reinterpret_cast<HINSTANCE>(opened ? kStarted : kNotFound);
}
