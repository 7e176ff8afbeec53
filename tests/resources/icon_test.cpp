// Checks the icon converter against the program's real icon and against
// broken pixel maps.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/icon_image.h"

#ifndef SETUP_SOURCE_DIR
#define SETUP_SOURCE_DIR "."
#endif

namespace {

constexpr uint8_t kBlue = 12;

uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint32_t>(b.at(at) | (b.at(at + 1) << 8));
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

std::string ReadSource(const std::string& relative) {
  std::ifstream in(std::string(SETUP_SOURCE_DIR) + "/" + relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(IconTest, RealIconConvertsToWellFormedIco) {
  const std::string text = ReadSource("resources/setup_icon.txt");
  ASSERT_FALSE(text.empty()) << "cannot read resources/setup_icon.txt under " SETUP_SOURCE_DIR;
  const icon::ParseResult parsed = icon::ParsePixelMap(text);
  ASSERT_TRUE(parsed.ok) << "line " << parsed.line << ": " << parsed.message;
  ASSERT_EQ(parsed.images.size(), 2u);

  const std::vector<uint8_t> ico = icon::WriteIco(parsed.images);
  ASSERT_GE(ico.size(), 6u + 2 * 16);
  EXPECT_EQ(U16(ico, 0), 0u);
  EXPECT_EQ(U16(ico, 2), 1u);  // icon, not cursor
  EXPECT_EQ(U16(ico, 4), 2u);

  const struct {
    int size;
    uint32_t bytes;
  } kExpected[] = {{32, 744}, {16, 296}};

  uint32_t next_offset = 6 + 2 * 16;
  for (size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE("image " + std::to_string(kExpected[i].size));
    const int size = kExpected[i].size;
    const size_t entry = 6 + 16 * i;
    EXPECT_EQ(ico[entry], size);
    EXPECT_EQ(ico[entry + 1], size);
    EXPECT_EQ(ico[entry + 2], 16);  // colours
    EXPECT_EQ(ico[entry + 3], 0);
    EXPECT_EQ(U16(ico, entry + 4), 1u);  // planes
    EXPECT_EQ(U16(ico, entry + 6), 4u);  // bits per pixel
    const uint32_t bytes = U32(ico, entry + 8);
    const uint32_t offset = U32(ico, entry + 12);
    EXPECT_EQ(bytes, kExpected[i].bytes);
    EXPECT_EQ(offset, next_offset);
    next_offset = offset + bytes;
    ASSERT_LE(next_offset, ico.size());

    // The image itself: header, palette, colour bitmap, mask.
    EXPECT_EQ(U32(ico, offset), 40u);
    EXPECT_EQ(U32(ico, offset + 4), static_cast<uint32_t>(size));
    EXPECT_EQ(U32(ico, offset + 8), static_cast<uint32_t>(2 * size));
    EXPECT_EQ(U16(ico, offset + 12), 1u);
    EXPECT_EQ(U16(ico, offset + 14), 4u);
    EXPECT_EQ(U32(ico, offset + 16), 0u);  // uncompressed
    const size_t palette = offset + 40;
    // Palette entries are blue, green, red, reserved.
    EXPECT_EQ(U32(ico, palette + 4 * kBlue), 0x000000FFu);
    EXPECT_EQ(U32(ico, palette + 4 * 9), 0x00FF0000u);  // red

    // Decode every pixel (rows stored bottom-up) and compare with the map.
    const size_t xor_bits = palette + 64;
    const size_t xor_stride = static_cast<size_t>(size) / 2;  // 4 bpp, already 4-aligned
    const size_t and_bits = xor_bits + xor_stride * static_cast<size_t>(size);
    const size_t and_stride = 4;
    ASSERT_EQ(and_bits + and_stride * static_cast<size_t>(size), next_offset);
    const icon::IconImage& image = parsed.images[i];
    ASSERT_EQ(image.size, size);
    int opaque = 0;
    int blue_top_left = 0;
    for (int y = 0; y < size; ++y) {
      const size_t row = static_cast<size_t>(size - 1 - y);
      for (int x = 0; x < size; ++x) {
        const uint8_t packed = ico[xor_bits + row * xor_stride + static_cast<size_t>(x / 2)];
        const uint8_t colour = x % 2 == 0 ? packed >> 4 : packed & 0x0F;
        const bool masked =
            (ico[and_bits + row * and_stride + static_cast<size_t>(x / 8)] >> (7 - x % 8)) & 1;
        const uint8_t expected = image.At(x, y);
        SCOPED_TRACE("pixel " + std::to_string(x) + "," + std::to_string(y));
        ASSERT_EQ(masked, expected == icon::kTransparent);
        ASSERT_EQ(colour, masked ? 0 : expected);
        if (!masked) ++opaque;
        if (colour == kBlue && !masked && x < size / 2 && y < size / 2) ++blue_top_left;
      }
    }
    EXPECT_GT(opaque, size * size / 2);
    // The monitor, with its blue screen, sits in the top-left quadrant.
    EXPECT_GE(blue_top_left, size / 2);
  }
  EXPECT_EQ(next_offset, ico.size());
  EXPECT_EQ(ico.size(), 6u + 2 * 16 + 744 + 296);
}

std::string Rows(int count, int width) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::string(static_cast<size_t>(width), '.') + "\n";
  return text;
}

std::string Image(int size) { return "image " + std::to_string(size) + "\n" + Rows(size, size); }

TEST(IconTest, ParserReportsBrokenMaps) {
  const struct {
    const char* what;
    std::string text;
    int line;
    const char* fragment;
  } kCases[] = {
      {"unknown character", Image(32) + "image 16\n....G...........\n", 35,
       "unknown pixel character 'G' in column 5"},
      {"lower-case digit", "image 16\n.......a........\n", 2, "unknown pixel character 'a'"},
      {"short row", Image(32) + "image 16\n" + Rows(3, 16) + "...............\n", 38,
       "row has 15 pixels, expected 16"},
      {"long row", "image 32\n" + Rows(1, 33), 2, "row has 33 pixels, expected 32"},
      {"too few rows before next image", "image 32\n" + Rows(31, 32) + Image(16), 33,
       "image 32 (line 1) has 31 rows, expected 32"},
      {"too few rows at end", Image(32) + "image 16\n" + Rows(15, 16), 49,
       "image 16 (line 34) has 15 rows, expected 16"},
      {"too many rows", Image(16) + Rows(1, 16) + Image(32), 18, "image 16 has more than 16 rows"},
      {"unknown size", "# icon\nimage 24\n", 2, "unsupported image size 24"},
      {"malformed header", "image sixteen\n", 1, "malformed image line"},
      {"duplicate image", Image(16) + Image(16), 18, "duplicate image 16"},
      {"row before header", "# icon\n\n................\n", 3, "before any 'image SIZE' line"},
      {"missing small image", "# icon\n" + Image(32), 34, "missing 'image 16'"},
      {"missing large image", Image(16) + "\n# end\n", 19, "missing 'image 32'"},
      {"empty file", "", 1, "missing 'image 32'"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const icon::ParseResult result = icon::ParsePixelMap(c.text);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.images.empty());
    EXPECT_EQ(result.line, c.line);
    EXPECT_NE(result.message.find(c.fragment), std::string::npos) << result.message;
  }
}

}  // namespace
