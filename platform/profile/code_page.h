// Text of a file marked as UTF-8 turned into the program's 8-bit code page
// (Windows-1252) and back, as the profile functions of Win32 read such files.
#pragma once

#include <string>
#include <string_view>

namespace platform::profile {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Characters without a Windows-1252 byte become '?'; bytes that are not UTF-8
// are kept as they are.
std::string Utf8ToAnsi(std::string_view text);
std::string AnsiToUtf8(std::string_view text);

}  // namespace platform::profile
