// Automation scripts: one command a line, '#' starts a comment, strings in
// double quotes with \\, \", \n and \r escapes.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace platform::automation {

struct Argument {
  bool quoted = false;
  std::string text;
};

struct Command {
  int line = 0;
  std::string verb;
  std::vector<Argument> arguments;
};

// Whether the command changes anything (an action) or only looks (an expectation).
bool IsAction(const Command& command);

// Parses one line; an empty or comment line gives no command. On a syntax
// error returns false with the reason.
bool ParseLine(const std::string& text, int line, std::optional<Command>& command,
               std::string& error);

// The lines of a script file, checked when it is opened, or of standard input,
// read as they are needed so that a person can type them.
class Script {
 public:
  // path "-" reads standard input.
  bool open(const std::string& path, std::string& error);
  // The next command; nothing when the script has ended. A bad line read from
  // standard input is reported in `error`.
  std::optional<Command> next(std::string& error);

 private:
  std::vector<Command> commands_;
  size_t position_ = 0;
  bool interactive_ = false;
  int line_ = 0;
};

}  // namespace platform::automation
