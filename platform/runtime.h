// The layer's state for the running process, in one record: the window
// system, the file system with the current directory, the profile cache, the
// transcript and the last error.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform {

namespace ui {
class WindowSystem;
}
namespace fs {
class FileSystem;
}
namespace profile {
class ProfileCache;
}
namespace automation {
class Transcript;
}

struct Runtime {
  ui::WindowSystem* windows = nullptr;
  fs::FileSystem* files = nullptr;
  profile::ProfileCache* profiles = nullptr;
  automation::Transcript* transcript = nullptr;
  DWORD lastError = 0;
};

Runtime& TheRuntime();

[[noreturn]] void StopUnset(const char* name);

// A part of the runtime that must have been set up before the program uses it.
template <typename Part>
Part& Required(Part* part, const char* name) {
  if (!part) StopUnset(name);
  return *part;
}

// Appends a line to the transcript, when there is one.
void Transcribe(const std::string& line);
void SetLastErrorCode(DWORD error);

}  // namespace platform
