// Reading a string from an initialization file with GetPrivateProfileStringA's
// results: a value or its default, or the list of a section's key names, or the
// list of section names.
#pragma once

#include "platform/profile/profile_document.h"
#include "platform/win32.h"

namespace platform::profile {

// document null: the file does not exist, and reads as an empty one.
// section null: lists the section names; key null: lists that section's key names. A list
// is the names each ended by a zero, then one more zero; one cut short ends with two zeros
// and counts size - 2. A value or default is cut to size - 1 bytes and ended by a zero.
// Returns the bytes written before the final zero.
DWORD ReadProfileString(const ProfileDocument* document, const char* section, const char* key,
                        const char* defaultValue, char* buffer, DWORD size);

}  // namespace platform::profile
