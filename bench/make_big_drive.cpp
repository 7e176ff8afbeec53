// Writes a large drive's tree for the search benchmark:
//   make_big_drive FOLDER
// 20 top folders of 10 of 10 of 10 folders (22,220 folders), nine empty files
// in each innermost folder (180,000 files), and the browser's executable in
// five deep places, with names in mixed case.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool MakeFolder(const std::string& path) {
  return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool MakeFile(const std::string& path) { return std::ofstream(path).good(); }

const char* const kFileNames[] = {"readme.txt", "Setup.ini", "DATA.BIN",  "icon.ico",   "Help.HLP",
                                  "lib.dll",    "app.exe",   "notes.doc", "IEXPLORE.EX"};

bool Fill(const std::string& folder) {
  for (const char* name : kFileNames) {
    if (!MakeFile(folder + "/" + name)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_big_drive FOLDER\n");
    return 2;
  }
  std::string root = argv[1];
  if (!MakeFolder(root)) return 1;
  int placed = 0;
  for (int a = 0; a < 20; ++a) {
    std::string top = root + "/Folder" + std::to_string(a);
    if (!MakeFolder(top)) return 1;
    for (int b = 0; b < 10; ++b) {
      std::string second = top + "/sub" + std::to_string(b);
      if (!MakeFolder(second)) return 1;
      for (int c = 0; c < 10; ++c) {
        std::string third = second + "/Level" + std::to_string(c);
        if (!MakeFolder(third)) return 1;
        for (int d = 0; d < 10; ++d) {
          std::string fourth = third + "/leaf" + std::to_string(d);
          if (!MakeFolder(fourth) || !Fill(fourth)) return 1;
          if ((a * 1000 + b * 100 + c * 10 + d) % 4001 == 7 && placed < 5) {
            if (!MakeFile(fourth + "/IExplore.exe")) return 1;
            ++placed;
          }
        }
      }
    }
  }
  std::printf("made 22220 folders, 180000 files and %d executables under %s\n", placed,
              root.c_str());
  return 0;
}
