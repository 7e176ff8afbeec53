// Conversion of the program's icon from its text pixel map to .ico bytes.
//
// The pixel map (resources/setup_icon.txt) is the reviewable source of the
// icon; the build turns it into a .ico file with icon_compiler.

#ifndef TOOLS_ICON_IMAGE_H_
#define TOOLS_ICON_IMAGE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace icon {

// Pixel value marking a transparent pixel; every other value is an index
// into the standard 16-colour palette.
constexpr uint8_t kTransparent = 0xFF;

// One square image, rows top to bottom, size * size pixels.
struct IconImage {
  int size = 0;
  std::vector<uint8_t> pixels;  // palette index 0-15, or kTransparent

  uint8_t At(int x, int y) const { return pixels[static_cast<size_t>(y * size + x)]; }
};

// Outcome of parsing a pixel map. On failure `ok` is false, `line` is the
// 1-based line the problem was found on and `message` describes it.
struct ParseResult {
  bool ok = false;
  std::vector<IconImage> images;  // in file order
  int line = 0;
  std::string message;
};

// Parses the text pixel map: `#` comment lines and blank lines are ignored,
// `image N` starts an image of N x N pixels (N is 32 or 16, each exactly
// once), followed by N rows of N pixel characters: 0-9 and A-F for palette
// indices, `.` for transparent.
ParseResult ParsePixelMap(const std::string& text);

// Size in bytes of one image as stored in the .ico file: header, palette,
// colour bitmap and transparency mask.
size_t ImageResourceSize(int size);

// Returns the bytes of a .ico file holding `images` (16 colours, 4 bits per
// pixel, with a transparency mask). Returns an empty vector if an image is
// malformed (size outside 1-256, wrong pixel count, pixel value not a
// palette index or kTransparent).
std::vector<uint8_t> WriteIco(const std::vector<IconImage>& images);

}  // namespace icon

#endif  // TOOLS_ICON_IMAGE_H_
