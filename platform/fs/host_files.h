// Writing host files so that a destination is never left half written: the
// bytes go to a file beside it, which is then renamed into place.
#pragma once

#include <string>

namespace platform::fs {

bool ReplaceFileWith(const std::string& hostPath, const std::string& bytes);
bool CopyHostFile(const std::string& source, const std::string& destination);
bool ReadHostFile(const std::string& hostPath, std::string& bytes);

}  // namespace platform::fs
