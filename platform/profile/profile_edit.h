// Changes to an initialization file's text that WritePrivateProfileStringA makes:
// each finds its section and key as the reader does and keeps every line it does
// not have to change byte for byte, line ends and a leading UTF-8 mark included.
#pragma once

#include <string>

namespace platform::profile {

// Sets the key in the first section of that name: rewrites the key's line (unless it already
// reads as value), or adds a line after the section's last non-blank line, or appends the
// section. New lines take the file's first line end; new names and values lose leading blanks.
std::string WriteKey(const std::string& text, const std::string& section, const std::string& key,
                     const std::string& value);
// Removes the first line of the key in the first section of that name.
std::string DeleteKey(const std::string& text, const std::string& section, const std::string& key);
// Removes every section of that name, from its header to the line before the next header.
std::string DeleteSection(const std::string& text, const std::string& section);

}  // namespace platform::profile
