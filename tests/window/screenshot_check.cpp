// Checks the screenshots a window-display run took against what the model
// said before each: screenshot_check SCRIPT FOLDER WIDTH HEIGHT
// Each PNG must be the screen's size; the window the script expected must
// stand out from the desktop, and each control it placed must show more than
// the dialog's grey.
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Image {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  const unsigned char* at(int x, int y) const {
    return &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
  }
};

unsigned Be32(const std::string& bytes, size_t at) {
  return unsigned(static_cast<unsigned char>(bytes[at])) << 24 |
         unsigned(static_cast<unsigned char>(bytes[at + 1])) << 16 |
         unsigned(static_cast<unsigned char>(bytes[at + 2])) << 8 |
         unsigned(static_cast<unsigned char>(bytes[at + 3]));
}

// Reads the PNGs the display writes: 8-bit RGB rows, each with filter 0.
bool ReadPng(const std::string& path, Image& image, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::string bytes = text.str();
  if (bytes.size() < 8 || bytes.compare(1, 3, "PNG") != 0) {
    error = "not a PNG";
    return false;
  }
  std::string packed;
  for (size_t at = 8; at + 8 <= bytes.size();) {
    unsigned length = Be32(bytes, at);
    std::string type = bytes.substr(at + 4, 4);
    if (type == "IHDR") {
      image.width = int(Be32(bytes, at + 8));
      image.height = int(Be32(bytes, at + 12));
    } else if (type == "IDAT") {
      packed += bytes.substr(at + 8, length);
    }
    at += 12 + length;
  }
  size_t rowBytes = size_t(image.width) * 3 + 1;
  std::vector<unsigned char> raw(rowBytes * size_t(image.height));
  uLongf size = uLongf(raw.size());
  if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                 uLong(packed.size())) != Z_OK) {
    error = "cannot inflate the image";
    return false;
  }
  for (int row = 0; row < image.height; ++row) {
    const unsigned char* line = &raw[size_t(row) * rowBytes];
    if (line[0] != 0) {
      error = "a row with a filter";
      return false;
    }
    image.rgb.insert(image.rgb.end(), line + 1, line + rowBytes);
  }
  return true;
}

// Whether some pixel of the rectangle differs from the colour.
bool ShowsMoreThan(const Image& image, int x, int y, int w, int h, unsigned char r, unsigned char g,
                   unsigned char b) {
  for (int row = y; row < y + h && row < image.height; ++row) {
    for (int column = x; column < x + w && column < image.width; ++column) {
      const unsigned char* pixel = image.at(column, row);
      if (pixel[0] != r || pixel[1] != g || pixel[2] != b) return true;
    }
  }
  return false;
}

std::vector<int> Numbers(std::istringstream& words) {
  std::vector<int> numbers;
  int number;
  while (words >> number) numbers.push_back(number);
  return numbers;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: screenshot_check SCRIPT FOLDER WIDTH HEIGHT\n");
    return 2;
  }
  std::ifstream script(argv[1]);
  std::string folder = argv[2];
  int screenWidth = std::atoi(argv[3]), screenHeight = std::atoi(argv[4]);
  std::vector<int> window;
  std::vector<std::vector<int>> controls;
  int failures = 0, shots = 0;
  std::string line;
  while (std::getline(script, line)) {
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb == "expect-window") window = Numbers(words);
    if (verb == "expect-rect") {
      std::string id;
      words >> id;
      controls.push_back(Numbers(words));
    }
    if (verb != "screenshot") continue;
    std::string name = line.substr(line.find('"') + 1);
    name = folder + "/" + name.substr(0, name.find('"'));
    Image image;
    std::string error;
    ++shots;
    if (!ReadPng(name, image, error)) {
      std::fprintf(stderr, "%s: %s\n", name.c_str(), error.c_str());
      ++failures;
    } else if (image.width != screenWidth || image.height != screenHeight) {
      std::fprintf(stderr, "%s: %dx%d, not the screen's %dx%d\n", name.c_str(), image.width,
                   image.height, screenWidth, screenHeight);
      ++failures;
    } else if (!ShowsMoreThan(image, 0, 0, image.width, image.height, 0, 128, 128)) {
      std::fprintf(stderr, "%s: only the desktop\n", name.c_str());
      ++failures;
    }
    if (!window.empty() && window.size() == 4 && !image.rgb.empty()) {
      if (!ShowsMoreThan(image, window[0], window[1], window[2], window[3], 0, 128, 128)) {
        std::fprintf(stderr, "%s: the window is not drawn\n", name.c_str());
        ++failures;
      }
      for (const std::vector<int>& rect : controls) {
        if (rect.size() != 4) continue;
        int x = window[0] + 3 + rect[0], y = window[1] + 21 + rect[1];
        if (!ShowsMoreThan(image, x, y, rect[2], rect[3], 192, 192, 192)) {
          std::fprintf(stderr, "%s: nothing drawn in the control at %d,%d\n", name.c_str(), rect[0],
                       rect[1]);
          ++failures;
        }
      }
    }
    window.clear();
    controls.clear();
  }
  std::printf("%d screenshots checked, %d failures\n", shots, failures);
  return failures == 0 && shots > 0 ? 0 : 1;
}
