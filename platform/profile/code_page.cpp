#include "platform/profile/code_page.h"

#include <cstdint>

namespace platform::profile {
namespace {

// The characters of the bytes 0x80 to 0x9F; the five bytes that Windows-1252
// leaves undefined stand for the control characters of the same value.
constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToAnsi(uint32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return char(code);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == code) return char(0x80 + i);
  }
  return '?';
}

uint32_t FromAnsi(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kHigh[byte - 0x80] : byte;
}

// The length of the UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are not one.
size_t DecodeUtf8(std::string_view text, size_t at, uint32_t& code) {
  unsigned char first = static_cast<unsigned char>(text[at]);
  size_t length = first < 0x80           ? 1
                  : (first >> 5) == 0x6  ? 2
                  : (first >> 4) == 0xE  ? 3
                  : (first >> 3) == 0x1E ? 4
                                         : 0;
  if (length == 0 || at + length > text.size()) return 0;
  code = length == 1 ? first : first & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    unsigned char next = static_cast<unsigned char>(text[at + i]);
    if ((next >> 6) != 0x2) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  return length;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view text) {
  std::string out;
  for (size_t at = 0; at < text.size();) {
    uint32_t code = 0;
    size_t length = DecodeUtf8(text, at, code);
    if (length == 0) {
      out += text[at++];
      continue;
    }
    out += ToAnsi(code);
    at += length;
  }
  return out;
}

std::string AnsiToUtf8(std::string_view text) {
  std::string out;
  for (char c : text) {
    uint32_t code = FromAnsi(static_cast<unsigned char>(c));
    if (code < 0x80) {
      out += char(code);
    } else if (code < 0x800) {
      out += char(0xC0 | (code >> 6));
      out += char(0x80 | (code & 0x3F));
    } else {
      out += char(0xE0 | (code >> 12));
      out += char(0x80 | ((code >> 6) & 0x3F));
      out += char(0x80 | (code & 0x3F));
    }
  }
  return out;
}

}  // namespace platform::profile
