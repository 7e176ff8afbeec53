#include "platform/automation/transcript.h"

namespace platform::automation {

Transcript::~Transcript() {
  if (file_) std::fclose(file_);
}

bool Transcript::open(const std::string& path) {
  file_ = std::fopen(path.c_str(), "a");
  return file_ != nullptr;
}

void Transcript::line(const std::string& text) {
  if (!file_) return;
  std::fputs(text.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

std::string Transcript::quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\r') {
      quoted += "\\r";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace platform::automation
