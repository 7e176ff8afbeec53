// The transcript: one line per observable event, appended as it happens so
// that a run which ends abruptly keeps what it did.
#pragma once

#include <cstdio>
#include <string>

namespace platform::automation {

class Transcript {
 public:
  Transcript() = default;
  ~Transcript();
  Transcript(const Transcript&) = delete;
  Transcript& operator=(const Transcript&) = delete;

  // Opens the file for appending; false when it cannot be opened.
  bool open(const std::string& path);
  void line(const std::string& text);

  // A string in double quotes with \\, \", \n and \r escaped, as scripts write it.
  static std::string quote(const std::string& text);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace platform::automation
