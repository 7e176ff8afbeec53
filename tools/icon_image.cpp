#include "tools/icon_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace icon {
namespace {

constexpr int kSupportedSizes[] = {32, 16};
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPaletteSize = 16 * 4;
constexpr size_t kIconDirSize = 6;
constexpr size_t kIconDirEntrySize = 16;

// Standard 16-colour VGA palette in DIB order, as 0xRRGGBB.
constexpr std::array<uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// Bytes per row of a bitmap with the given bit depth; rows are padded to a
// multiple of 4 bytes.
size_t RowStride(int width, int bits_per_pixel) {
  return (static_cast<size_t>(width) * static_cast<size_t>(bits_per_pixel) + 31) / 32 * 4;
}

bool IsSupportedSize(int size) {
  for (int s : kSupportedSizes) {
    if (s == size) return true;
  }
  return false;
}

// Palette index for a pixel character, kTransparent for '.', or -1.
int PixelValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c == '.') return kTransparent;
  return -1;
}

std::string Printable(char c) {
  if (c >= 0x20 && c < 0x7F) return std::string("'") + c + "'";
  static const char kHex[] = "0123456789ABCDEF";
  const auto u = static_cast<unsigned char>(c);
  return std::string("byte 0x") + kHex[u >> 4] + kHex[u & 0x0F];
}

// Parses the header line "image N". Returns false if the line is not of that
// form; `size` gets N.
bool ParseHeader(const std::string& line, int* size) {
  const std::string keyword = "image";
  if (line.compare(0, keyword.size(), keyword) != 0) return false;
  size_t pos = keyword.size();
  if (pos >= line.size() || (line[pos] != ' ' && line[pos] != '\t')) return false;
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
  if (pos >= line.size()) return false;
  int value = 0;
  for (; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c < '0' || c > '9') return false;
    if (value > 10000) return false;  // absurd size; stop before overflow
    value = value * 10 + (c - '0');
  }
  *size = value;
  return true;
}

bool StartsWithImageKeyword(const std::string& line) { return line.compare(0, 5, "image") == 0; }

void PutU8(std::vector<uint8_t>* out, uint32_t v) { out->push_back(static_cast<uint8_t>(v)); }

void PutU16(std::vector<uint8_t>* out, uint32_t v) {
  PutU8(out, v & 0xFF);
  PutU8(out, (v >> 8) & 0xFF);
}

void PutU32(std::vector<uint8_t>* out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, (v >> 16) & 0xFFFF);
}

bool IsWellFormed(const IconImage& image) {
  if (image.size < 1 || image.size > 256) return false;
  if (image.pixels.size() != static_cast<size_t>(image.size) * static_cast<size_t>(image.size)) {
    return false;
  }
  for (uint8_t p : image.pixels) {
    if (p > 15 && p != kTransparent) return false;
  }
  return true;
}

// Appends one image as a DIB: header, palette, colour bitmap and mask, both
// bitmaps stored bottom row first.
void PutImage(std::vector<uint8_t>* out, const IconImage& image) {
  const int size = image.size;
  const size_t xor_stride = RowStride(size, 4);
  const size_t and_stride = RowStride(size, 1);
  const auto bitmap_bytes = static_cast<uint32_t>((xor_stride + and_stride) * size);

  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<uint32_t>(size));
  PutU32(out, static_cast<uint32_t>(size * 2));  // colour bitmap and mask together
  PutU16(out, 1);                                // planes
  PutU16(out, 4);                                // bits per pixel
  PutU32(out, 0);                                // uncompressed
  PutU32(out, bitmap_bytes);
  PutU32(out, 0);  // horizontal resolution, unused
  PutU32(out, 0);  // vertical resolution, unused
  PutU32(out, 0);  // all 16 colours used
  PutU32(out, 0);  // all colours important

  for (uint32_t rgb : kPalette) {
    PutU8(out, rgb & 0xFF);          // blue
    PutU8(out, (rgb >> 8) & 0xFF);   // green
    PutU8(out, (rgb >> 16) & 0xFF);  // red
    PutU8(out, 0);
  }

  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(xor_stride, 0);
    for (int x = 0; x < size; ++x) {
      const uint8_t p = image.At(x, y);
      const uint8_t index = p == kTransparent ? 0 : p;
      // The leftmost pixel of each pair goes in the high nibble.
      row[static_cast<size_t>(x / 2)] |= static_cast<uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out->insert(out->end(), row.begin(), row.end());
  }

  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(and_stride, 0);
    for (int x = 0; x < size; ++x) {
      if (image.At(x, y) == kTransparent) {
        row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
    }
    out->insert(out->end(), row.begin(), row.end());
  }
}

}  // namespace

ParseResult ParsePixelMap(const std::string& text) {
  ParseResult result;
  auto fail = [&result](int line, std::string message) {
    result.ok = false;
    result.images.clear();
    result.line = line;
    result.message = std::move(message);
    return result;
  };

  // Image whose rows are being read; a pointer into result.images, reset
  // after every push_back.
  IconImage* current = nullptr;
  int current_header_line = 0;
  int rows_read = 0;

  // Checks that the image being read got all its rows.
  auto finish_current = [&](std::string* error) {
    if (current != nullptr && rows_read != current->size) {
      *error = "image " + std::to_string(current->size) + " (line " +
               std::to_string(current_header_line) + ") has " + std::to_string(rows_read) +
               " rows, expected " + std::to_string(current->size);
      return false;
    }
    return true;
  };

  int line_number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;

    // Tolerate CRLF line ends and trailing blanks.
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.pop_back();
    }
    if (line.empty() || line[0] == '#') continue;

    if (StartsWithImageKeyword(line)) {
      int size = 0;
      if (!ParseHeader(line, &size)) {
        return fail(line_number, "malformed image line, expected 'image SIZE'");
      }
      std::string error;
      if (!finish_current(&error)) return fail(line_number, error);
      if (!IsSupportedSize(size)) {
        return fail(line_number,
                    "unsupported image size " + std::to_string(size) + ", expected 32 or 16");
      }
      for (const IconImage& seen : result.images) {
        if (seen.size == size) {
          return fail(line_number, "duplicate image " + std::to_string(size));
        }
      }
      IconImage image;
      image.size = size;
      image.pixels.reserve(static_cast<size_t>(size) * static_cast<size_t>(size));
      result.images.push_back(std::move(image));
      current = &result.images.back();
      current_header_line = line_number;
      rows_read = 0;
      continue;
    }

    if (current == nullptr) {
      return fail(line_number, "pixel row before any 'image SIZE' line");
    }
    if (rows_read == current->size) {
      return fail(line_number, "image " + std::to_string(current->size) + " has more than " +
                                   std::to_string(current->size) + " rows");
    }
    for (size_t i = 0; i < line.size(); ++i) {
      if (PixelValue(line[i]) < 0) {
        return fail(line_number, "unknown pixel character " + Printable(line[i]) + " in column " +
                                     std::to_string(i + 1) + " (expected 0-9, A-F or '.')");
      }
    }
    if (line.size() != static_cast<size_t>(current->size)) {
      return fail(line_number, "row has " + std::to_string(line.size()) + " pixels, expected " +
                                   std::to_string(current->size));
    }
    for (char c : line) current->pixels.push_back(static_cast<uint8_t>(PixelValue(c)));
    ++rows_read;
  }

  const int last_line = line_number > 0 ? line_number : 1;
  std::string error;
  if (!finish_current(&error)) return fail(last_line, error);
  for (int size : kSupportedSizes) {
    bool found = false;
    for (const IconImage& image : result.images) found = found || image.size == size;
    if (!found) {
      return fail(last_line, "missing 'image " + std::to_string(size) + "'");
    }
  }
  result.ok = true;
  return result;
}

size_t ImageResourceSize(int size) {
  return kInfoHeaderSize + kPaletteSize +
         (RowStride(size, 4) + RowStride(size, 1)) * static_cast<size_t>(size);
}

std::vector<uint8_t> WriteIco(const std::vector<IconImage>& images) {
  for (const IconImage& image : images) {
    if (!IsWellFormed(image)) return {};
  }
  std::vector<uint8_t> out;
  PutU16(&out, 0);  // reserved
  PutU16(&out, 1);  // icon
  PutU16(&out, static_cast<uint32_t>(images.size()));

  size_t offset = kIconDirSize + kIconDirEntrySize * images.size();
  for (const IconImage& image : images) {
    const size_t bytes = ImageResourceSize(image.size);
    PutU8(&out, image.size == 256 ? 0 : static_cast<uint32_t>(image.size));  // width
    PutU8(&out, image.size == 256 ? 0 : static_cast<uint32_t>(image.size));  // height
    PutU8(&out, 16);                                                         // colour count
    PutU8(&out, 0);                                                          // reserved
    PutU16(&out, 1);                                                         // planes
    PutU16(&out, 4);                                                         // bits per pixel
    PutU32(&out, static_cast<uint32_t>(bytes));
    PutU32(&out, static_cast<uint32_t>(offset));
    offset += bytes;
  }
  for (const IconImage& image : images) PutImage(&out, image);
  return out;
}

}  // namespace icon
