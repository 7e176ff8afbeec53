// Paths, files and listings through the Win32 functions: how a path is found
// (case, '/', '.', '..', relative, rooted and drive-relative forms), the errors
// of opening, copying and making folders, FindFirstFileA's patterns and
// SearchPathA over a list of folders.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string>
#include <vector>

#include "tests/conformance/scratch_folder.h"
#include "tests/conformance/win32_functions.h"

namespace {

using conformance::ScratchFolder;

class Files : public ScratchFolder {
 protected:
  void SetUp() override {
    makeFile("Mixed\\File.txt", "file");
    makeFile("Mixed\\Inner\\Deep.txt", "deep");
    makeFile("Fonts\\A.TTF", "a");
    makeFile("Fonts\\b.ttf", "b");
    makeFile("Fonts\\readme.txt", "readme");
    makeFolder("Fonts\\Sub");
  }

  // A row's path with {root} (the folder's full path), {drive} ("c:") and
  // {bare} (the folder's path without its drive) filled in.
  std::string expand(std::string text) const {
    const std::string drive = root().substr(0, 2), bare = root().substr(2);
    for (const auto& [name, value] : {std::pair<std::string, std::string>{"{root}", root()},
                                      {"{drive}", drive},
                                      {"{bare}", bare}}) {
      for (size_t at; (at = text.find(name)) != std::string::npos;)
        text.replace(at, name.size(), value);
    }
    return text;
  }

  void changeTo(const std::string& relative) const {
    std::string folder = relative.empty() ? root() : path(relative);
    ASSERT_EQ(_chdir(folder.c_str()), 0) << folder;
  }

  // The file's content, or "" with the error of opening it.
  static std::string open(const std::string& file, DWORD& error) {
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    error = handle == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    if (handle == INVALID_HANDLE_VALUE) return "";
    char buffer[64];
    DWORD read = 0;
    if (!ReadFile(handle, buffer, sizeof buffer, &read, nullptr)) read = 0;
    CloseHandle(handle);
    return std::string(buffer, read);
  }
};

struct OpenRow {
  const char* name;
  const char* currentDirectory;  // below the folder; "" for the folder itself
  std::string path;
  DWORD error;
  const char* content;
  // Where wine answers otherwise, why, and its error.
  const char* wineDiffers = nullptr;
  DWORD wineError = 0;
};

const std::vector<OpenRow> kOpenRows = {
    {"exact", "", "{root}\\Mixed\\File.txt", ERROR_SUCCESS, "file"},
    {"another case", "", "{root}\\MIXED\\file.TXT", ERROR_SUCCESS, "file"},
    {"forward slashes", "", "{root}/Mixed/File.txt", ERROR_SUCCESS, "file"},
    {"dot and dot-dot", "", "{root}\\Mixed\\.\\Inner\\..\\File.txt", ERROR_SUCCESS, "file"},
    {"relative", "Mixed", "File.txt", ERROR_SUCCESS, "file"},
    {"relative, up", "Mixed\\Inner", "..\\FILE.txt", ERROR_SUCCESS, "file"},
    {"rooted on the current drive", "Mixed", "{bare}\\Mixed\\Inner\\Deep.txt", ERROR_SUCCESS,
     "deep"},
    {"drive-relative", "Mixed", "{drive}Inner\\Deep.txt", ERROR_SUCCESS, "deep"},
    {"dot-dot at the root stays there", "",
     "{drive}\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..{bare}\\Mixed\\File.txt",
     ERROR_SUCCESS, "file"},
    {"missing file", "", "{root}\\Mixed\\None.txt", ERROR_FILE_NOT_FOUND, ""},
    {"missing folder", "", "{root}\\None\\File.txt", ERROR_PATH_NOT_FOUND, ""},
    {"a file as a folder", "", "{root}\\Mixed\\File.txt\\x", ERROR_PATH_NOT_FOUND, ""},
    {"a folder", "", "{root}\\Mixed", ERROR_ACCESS_DENIED, ""},
    {"no such drive", "", "q:\\File.txt", ERROR_PATH_NOT_FOUND, "",
     "wine answers a drive it lacks as a missing file", ERROR_FILE_NOT_FOUND},
    {"longer than MAX_PATH", "", "{root}\\" + std::string(300, 'x'), ERROR_FILENAME_EXCED_RANGE,
     ""},
};

TEST_F(Files, OpeningFindsWhatWin32Finds) {
  for (const OpenRow& row : kOpenRows) {
    SCOPED_TRACE(row.name);
    changeTo(row.currentDirectory);
    DWORD error;
    EXPECT_EQ(open(expand(row.path), error), row.content);
    EXPECT_EQ(error, row.wineDiffers && conformance::OnWine() ? row.wineError : row.error);
  }
}

struct CopyRow {
  const char* name;
  const char* from;
  const char* to;
  BOOL failIfExists;
  DWORD error;
  const char* content;  // of the target afterwards
};

// In order: a row may rely on what an earlier one left.
const CopyRow kCopyRows[] = {
    {"to a new file", "Mixed\\File.txt", "Copy.txt", TRUE, ERROR_SUCCESS, "file"},
    {"onto a file, refused", "Mixed\\File.txt", "Fonts\\readme.txt", TRUE, ERROR_FILE_EXISTS,
     "readme"},
    {"onto a file, replacing it", "Mixed\\File.txt", "Fonts\\readme.txt", FALSE, ERROR_SUCCESS,
     "file"},
    {"from a missing file", "Mixed\\None.txt", "Copy2.txt", FALSE, ERROR_FILE_NOT_FOUND, ""},
    {"into a missing folder", "Mixed\\File.txt", "None\\Copy.txt", FALSE, ERROR_PATH_NOT_FOUND, ""},
    {"onto a folder", "Mixed\\File.txt", "Fonts\\Sub", FALSE, ERROR_ACCESS_DENIED, ""},
};

TEST_F(Files, CopyingSucceedsOrFailsAsWin32Does) {
  for (const CopyRow& row : kCopyRows) {
    SCOPED_TRACE(row.name);
    BOOL copied = CopyFileA(path(row.from).c_str(), path(row.to).c_str(), row.failIfExists);
    EXPECT_EQ(copied, row.error == ERROR_SUCCESS);
    if (!copied) {
      EXPECT_EQ(GetLastError(), row.error);
    }
    EXPECT_EQ(content(row.to), row.content);
  }
}

TEST_F(Files, FoldersAreMadeAndEnteredAsTheRunTimeDoes) {
  struct Row {
    const char* name;
    int (*call)(const char*);
    std::string path;
    int errorNumber;  // 0: it succeeds
  };
  const Row rows[] = {
      {"make a folder", _mkdir, "{root}\\New", 0},
      {"make it again", _mkdir, "{root}\\NEW", EEXIST},
      {"make one over a file", _mkdir, "{root}\\Mixed\\File.txt", EEXIST},
      {"make one in a missing folder", _mkdir, "{root}\\None\\New", ENOENT},
      {"enter it in another case", _chdir, "{root}\\new", 0},
      {"make one relative to it", _mkdir, "Inner", 0},
      {"enter a missing folder", _chdir, "{root}\\None", ENOENT},
      {"enter a file", _chdir, "{root}\\Mixed\\File.txt", EINVAL},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int result = row.call(expand(row.path).c_str());
    EXPECT_EQ(result, row.errorNumber ? -1 : 0);
    if (result != 0) {
      EXPECT_EQ(errno, row.errorNumber);
    }
  }
  EXPECT_TRUE(exists("New\\Inner"));
}

// Names in an order of their own, whatever the order of the file system.
std::vector<std::string> Sorted(std::vector<std::string> names) {
  auto lower = [](std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  std::sort(names.begin(), names.end(),
            [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
  return names;
}

// The names a listing gives, sorted: folders end in '\'.
struct Listing {
  DWORD error = ERROR_SUCCESS;
  std::vector<std::string> names;
};

Listing List(const std::string& pattern) {
  Listing listing;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) {
    listing.error = GetLastError();
    return listing;
  }
  do {
    bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    listing.names.push_back(std::string(data.cFileName) + (folder ? "\\" : ""));
  } while (FindNextFileA(search, &data));
  listing.error = GetLastError();
  FindClose(search);
  listing.names = Sorted(listing.names);
  return listing;
}

TEST_F(Files, ListingsMatchAsWin32Matches) {
  struct Row {
    const char* pattern;
    DWORD error;  // after the last name, or of FindFirstFileA when no names
    std::vector<std::string> names;
    const char* wineDiffers = nullptr;
    DWORD wineError = 0;
  };
  const std::vector<std::string> all = {".\\", "..\\", "A.TTF", "b.ttf", "readme.txt", "Sub\\"};
  const Row rows[] = {
      {"{root}\\Fonts\\*", ERROR_NO_MORE_FILES, all},
      {"{root}\\Fonts\\*.*", ERROR_NO_MORE_FILES, all},
      {"{root}\\fonts\\*.ttf", ERROR_NO_MORE_FILES, {"A.TTF", "b.ttf"}},
      {"{root}\\Fonts\\?.TTF", ERROR_NO_MORE_FILES, {"A.TTF", "b.ttf"}},
      {"{root}\\Fonts\\READ*", ERROR_NO_MORE_FILES, {"readme.txt"}},
      {"{root}\\Fonts\\sub", ERROR_NO_MORE_FILES, {"Sub\\"}},
      {"{root}/Fonts/b.TTF", ERROR_NO_MORE_FILES, {"b.ttf"}},
      {"{root}\\Fonts\\None*", ERROR_FILE_NOT_FOUND, {}},
      {"{root}\\None\\*", ERROR_PATH_NOT_FOUND, {}},
      {"{root}\\Mixed\\File.txt\\*",
       ERROR_PATH_NOT_FOUND,
       {},
       "wine answers a file in the folder's place as an invalid name",
       ERROR_INVALID_NAME},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.pattern);
    Listing listing = List(expand(row.pattern));
    EXPECT_EQ(listing.names, Sorted(row.names));
    EXPECT_EQ(listing.error, row.wineDiffers && conformance::OnWine() ? row.wineError : row.error);
  }
}

TEST_F(Files, ListingsRelativeToTheCurrentFolderAndAtARoot) {
  changeTo("Fonts");
  EXPECT_EQ(List("*.txt").names, std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(List(expand("{drive}*.ttf")).names, (std::vector<std::string>{"A.TTF", "b.ttf"}));
  // A drive's root has no "." or "..", and lists the folders on it.
  std::vector<std::string> listed = List(expand("{drive}\\*")).names;
  EXPECT_EQ(std::count(listed.begin(), listed.end(), ".\\"), 0);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), "..\\"), 0);
  std::string top = root().substr(3, root().find('\\', 3) - 3) + "\\";
  EXPECT_EQ(std::count_if(
                listed.begin(), listed.end(),
                [&](const std::string& name) { return _stricmp(name.c_str(), top.c_str()) == 0; }),
            1);
}

TEST_F(Files, SearchPathLooksInTheGivenFoldersInOrder) {
  struct Row {
    const char* name;
    const char* fileName;
    const char* extension;
    std::string found;  // "" when not found
  };
  const Row rows[] = {
      {"in the second folder", "readme.txt", nullptr, "{root}\\Fonts\\readme.txt"},
      {"spelt as asked", "README.TXT", nullptr, "{root}\\Fonts\\README.TXT"},
      {"in the first of two", "File.txt", nullptr, "{root}\\Mixed\\File.txt"},
      {"with the extension added", "File", ".txt", "{root}\\Mixed\\File.txt"},
      {"the extension not added to a name with one", "File.txt", ".ini", "{root}\\Mixed\\File.txt"},
      {"missing", "none.txt", nullptr, ""},
  };
  makeFile("Fonts\\File.txt", "second");
  std::string folders = expand("{root}\\Mixed;{root}\\Fonts");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    char buffer[MAX_PATH];
    char* filePart = nullptr;
    DWORD length =
        SearchPathA(folders.c_str(), row.fileName, row.extension, sizeof buffer, buffer, &filePart);
    std::string expected = expand(row.found);
    if (expected.empty()) {
      EXPECT_EQ(length, 0u);
      EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
      continue;
    }
    ASSERT_EQ(std::string(buffer, length), expected);
    ASSERT_NE(filePart, nullptr);
    EXPECT_EQ(std::string(filePart), expected.substr(expected.find_last_of('\\') + 1));
  }
  // Too small a buffer gets the size needed, with its terminator.
  char small[5];
  EXPECT_EQ(SearchPathA(folders.c_str(), "readme.txt", nullptr, sizeof small, small, nullptr),
            DWORD(expand("{root}\\Fonts\\readme.txt").size() + 1));
}

}  // namespace
