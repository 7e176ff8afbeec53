#include "platform/runtime.h"

#include <cstdio>
#include <cstdlib>

#include "platform/automation/transcript.h"

namespace platform {

Runtime& TheRuntime() {
  static Runtime runtime;
  return runtime;
}

void Transcribe(const std::string& line) {
  if (TheRuntime().transcript) TheRuntime().transcript->line(line);
}

void StopUnset(const char* name) {
  std::fprintf(stderr, "setup: the %s was used before it was set up\n", name);
  std::abort();
}

void SetLastErrorCode(DWORD error) { TheRuntime().lastError = error; }

}  // namespace platform
