// Writes 8-bit RGB pixels as a PNG file.
#pragma once

#include <cstdint>
#include <string>

namespace platform::display {

// `pixels` holds `height` rows of `width` RGB triples, each row `stride` bytes.
bool WritePng(const std::string& path, const uint8_t* pixels, int width, int height, int stride);

}  // namespace platform::display
