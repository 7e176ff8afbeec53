#include "platform/automation/script.h"

#include <cstring>
#include <fstream>
#include <iostream>

namespace platform::automation {
namespace {

// What each command takes: W a word, S a string, I a control (ID or NAME:ID),
// N an integer, * any number of strings; `|` separates alternatives.
struct Signature {
  const char* verb;
  const char* arguments;
};

constexpr Signature kSignatures[] = {
    {"dialog", "W"},
    {"messagebox", "SS"},
    {"browser", ""},
    {"expect-text", "IS"},
    {"expect-checked", "IN"},
    {"expect-list", "I*"},
    {"expect-selected", "IN"},
    {"expect-focus", "I"},
    {"expect-icon", "W"},
    {"expect-rect", "INNNN"},
    {"expect-window", "NNNN"},
    {"click", "I"},
    {"select", "IN"},
    {"type", "IS"},
    {"key", "W"},
    {"close", ""},
    {"answer", "W"},
    {"browse", "S|W"},
    {"eject", "W"},
    {"screenshot", "S"},
};

bool IsInteger(const std::string& text) {
  size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (start == text.size()) return false;
  for (size_t i = start; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return text.size() < 11;
}

bool IsControl(const std::string& text) {
  size_t colon = text.rfind(':');
  return IsInteger(colon == std::string::npos ? text : text.substr(colon + 1)) && colon != 0;
}

bool FitsPattern(const std::vector<Argument>& arguments, const char* pattern) {
  size_t at = 0;
  for (const char* p = pattern; *p; ++p) {
    if (*p == '*') {
      for (; at < arguments.size(); ++at) {
        if (!arguments[at].quoted) return false;
      }
      return true;
    }
    if (at >= arguments.size()) return false;
    const Argument& argument = arguments[at++];
    bool fits = (*p == 'S')   ? argument.quoted
                : (*p == 'W') ? !argument.quoted
                : (*p == 'N') ? !argument.quoted && IsInteger(argument.text)
                              : !argument.quoted && IsControl(argument.text);
    if (!fits) return false;
  }
  return at == arguments.size();
}

bool FitsSignature(const Command& command, const Signature& signature) {
  std::string alternatives = signature.arguments;
  size_t start = 0;
  for (;;) {
    size_t bar = alternatives.find('|', start);
    std::string pattern = alternatives.substr(start, bar - start);
    if (FitsPattern(command.arguments, pattern.c_str())) return true;
    if (bar == std::string::npos) return false;
    start = bar + 1;
  }
}

bool ReadString(const std::string& text, size_t& at, std::string& out, std::string& error) {
  ++at;  // the opening quote
  while (at < text.size()) {
    char c = text[at++];
    if (c == '"') return true;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (at >= text.size()) break;
    char escaped = text[at++];
    if (escaped == 'n')
      out += '\n';
    else if (escaped == 'r')
      out += '\r';
    else if (escaped == '\\' || escaped == '"')
      out += escaped;
    else {
      error = std::string("unknown escape \\") + escaped;
      return false;
    }
  }
  error = "a string has no closing quote";
  return false;
}

}  // namespace

bool IsAction(const Command& command) {
  for (const char* verb :
       {"click", "select", "type", "key", "close", "answer", "browse", "eject", "screenshot"}) {
    if (command.verb == verb) return true;
  }
  return false;
}

bool ParseLine(const std::string& raw, int line, std::optional<Command>& command,
               std::string& error) {
  command.reset();
  std::string text = raw;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  Command parsed;
  parsed.line = line;
  size_t at = 0;
  bool verbRead = false;
  while (at < text.size()) {
    char c = text[at];
    if (c == ' ' || c == '\t') {
      ++at;
      continue;
    }
    if (c == '#') break;
    Argument argument;
    if (c == '"') {
      argument.quoted = true;
      if (!ReadString(text, at, argument.text, error)) return false;
    } else {
      while (at < text.size() && text[at] != ' ' && text[at] != '\t' && text[at] != '"') {
        argument.text += text[at++];
      }
    }
    if (!verbRead && !argument.quoted) {
      parsed.verb = argument.text;
      verbRead = true;
    } else if (!verbRead) {
      error = "a line must start with a command";
      return false;
    } else {
      parsed.arguments.push_back(argument);
    }
  }
  if (!verbRead) return true;
  for (const Signature& signature : kSignatures) {
    if (parsed.verb != signature.verb) continue;
    if (!FitsSignature(parsed, signature)) {
      error = "wrong arguments for " + parsed.verb;
      return false;
    }
    command = parsed;
    return true;
  }
  error = "unknown command \"" + parsed.verb + "\"";
  return false;
}

bool Script::open(const std::string& path, std::string& error) {
  if (path == "-") {
    interactive_ = true;
    return true;
  }
  std::ifstream in(path);
  if (!in) {
    error = "cannot read the script " + path;
    return false;
  }
  std::string text;
  int line = 0;
  while (std::getline(in, text)) {
    std::optional<Command> command;
    if (!ParseLine(text, ++line, command, error)) {
      error = "script line " + std::to_string(line) + ": " + error;
      return false;
    }
    if (command) commands_.push_back(*command);
  }
  return true;
}

std::optional<Command> Script::next(std::string& error) {
  error.clear();
  if (!interactive_) {
    if (position_ >= commands_.size()) return std::nullopt;
    return commands_[position_++];
  }
  std::string text;
  while (std::getline(std::cin, text)) {
    std::optional<Command> command;
    if (!ParseLine(text, ++line_, command, error)) {
      error = "script line " + std::to_string(line_) + ": " + error;
      return std::nullopt;
    }
    if (command) return command;
  }
  return std::nullopt;
}

}  // namespace platform::automation
