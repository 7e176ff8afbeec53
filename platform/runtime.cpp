#include "platform/runtime.h"

#include "platform/automation/transcript.h"

namespace platform {

Runtime& TheRuntime() {
  static Runtime runtime;
  return runtime;
}

void Transcribe(const std::string& line) {
  if (TheRuntime().transcript) TheRuntime().transcript->line(line);
}

void SetLastErrorCode(DWORD error) { TheRuntime().lastError = error; }

}  // namespace platform
