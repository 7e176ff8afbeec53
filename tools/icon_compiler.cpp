// icon_compiler INPUT.txt OUTPUT.ico
//
// Converts the icon's text pixel map into a .ico file. Errors are reported as
// "INPUT.txt:LINE: message". The output is written to a temporary file beside
// OUTPUT.ico and renamed into place, so a failed run leaves no partial file.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/icon_image.h"

namespace {

bool ReadFile(const std::string& path, std::string* contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  *contents = buffer.str();
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    // Some systems refuse to rename over an existing file.
    std::remove(path.c_str());
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
      std::remove(temp.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: icon_compiler INPUT.txt OUTPUT.ico\n";
    return 2;
  }
  const std::string input = argv[1];
  const std::string output = argv[2];

  std::string text;
  if (!ReadFile(input, &text)) {
    std::cerr << input << ": cannot read file\n";
    return 1;
  }
  const icon::ParseResult parsed = icon::ParsePixelMap(text);
  if (!parsed.ok) {
    std::cerr << input << ":" << parsed.line << ": " << parsed.message << "\n";
    return 1;
  }
  const std::vector<uint8_t> bytes = icon::WriteIco(parsed.images);
  if (bytes.empty()) {
    std::cerr << input << ": internal error: images could not be encoded\n";
    return 1;
  }
  if (!WriteFileAtomically(output, bytes)) {
    std::cerr << output << ": cannot write file\n";
    return 1;
  }
  return 0;
}
