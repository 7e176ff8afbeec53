#include "platform/display/png_writer.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

namespace platform::display {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Put32(out, uint32_t(data.size()));
  size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
}

}  // namespace

bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height, int stride) {
  // Every row starts with filter type 0: the bytes as they are.
  std::vector<uint8_t> raw;
  raw.reserve(size_t(height) * (size_t(width) * 3 + 1));
  for (int row = 0; row < height; ++row) {
    raw.push_back(0);
    const uint8_t* line = pixels + size_t(row) * size_t(stride);
    raw.insert(raw.end(), line, line + size_t(width) * 3);
  }
  uLongf packedSize = compressBound(uLong(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 6) != Z_OK) return false;
  packed.resize(packedSize);

  std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  Put32(header, uint32_t(width));
  Put32(header, uint32_t(height));
  header.insert(header.end(),
                {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter set, no interlace
  Chunk(file, "IHDR", header);
  Chunk(file, "IDAT", packed);
  Chunk(file, "IEND", {});
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace platform::display
