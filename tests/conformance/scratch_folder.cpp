#include "tests/conformance/scratch_folder.h"

#include <fstream>
#include <sstream>

namespace conformance {

namespace stdfs = std::filesystem;

std::filesystem::path ScratchFolder::host(const std::string& relative) const {
  std::string path = relative;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return hostRoot_ / path;
}

void ScratchFolder::makeFile(const std::string& relative, const std::string& content) const {
  stdfs::path file = host(relative);
  stdfs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

void ScratchFolder::makeFolder(const std::string& relative) const {
  stdfs::create_directories(host(relative));
}

bool ScratchFolder::exists(const std::string& relative) const {
  return stdfs::exists(host(relative));
}

std::string ScratchFolder::content(const std::string& relative) const {
  std::ifstream in(host(relative), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace conformance
