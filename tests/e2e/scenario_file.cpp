#include "tests/e2e/scenario_file.h"

#include <cctype>
#include <map>

namespace e2e {
namespace {

struct Line {
  int number = 0;
  std::string text;
};

// A header line and the lines up to the next header.
struct Block {
  bool topLevel = true;
  std::string kind;
  std::string arg;
  int line = 0;
  std::vector<Line> body;
};

// Thrown at the first fault; parseScenarioFile turns it into a ParseError.
struct Malformed {
  int line;
  std::string message;
};

[[noreturn]] void fail(int line, std::string message) { throw Malformed{line, std::move(message)}; }

bool startsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string trim(const std::string& s) {
  size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool isBlank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

bool isComment(const std::string& s) { return isBlank(s) || s[0] == '#'; }

std::vector<Line> splitLines(const std::string& text) {
  std::vector<Line> lines;
  int number = 1;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back({number++, std::move(line)});
    start = end + 1;
  }
  return lines;
}

std::optional<Block> headerOf(const Line& line) {
  bool topLevel = startsWith(line.text, "=== ");
  if (!topLevel && !startsWith(line.text, "--- ")) return std::nullopt;
  std::string rest = trim(line.text.substr(4));
  size_t space = rest.find_first_of(" \t");
  Block block;
  block.topLevel = topLevel;
  block.kind = rest.substr(0, space);
  block.arg = space == std::string::npos ? "" : trim(rest.substr(space));
  block.line = line.number;
  return block;
}

std::vector<Block> splitBlocks(const std::vector<Line>& lines) {
  std::vector<Block> blocks;
  for (const Line& line : lines) {
    if (std::optional<Block> header = headerOf(line)) {
      blocks.push_back(std::move(*header));
    } else if (!blocks.empty()) {
      blocks.back().body.push_back(line);
    } else if (!isComment(line.text)) {
      fail(line.number, "text outside a block");
    }
  }
  for (Block& block : blocks) {
    while (!block.body.empty() && isBlank(block.body.back().text)) block.body.pop_back();
  }
  return blocks;
}

std::string titleOf(const Block& block) {
  return (block.topLevel ? "'=== " : "'--- ") + block.kind + "'";
}

std::string joined(const std::vector<Line>& body, const char* lineEnd) {
  std::string text;
  for (const Line& line : body) text += line.text + lineEnd;
  return text;
}

std::vector<std::string> textsOf(const std::vector<Line>& body) {
  std::vector<std::string> texts;
  for (const Line& line : body) texts.push_back(line.text);
  return texts;
}

// Blocks that are only a header may still be followed by comments.
void requireNoBody(const Block& block) {
  for (const Line& line : block.body) {
    if (!isComment(line.text)) fail(line.number, "unexpected text after " + titleOf(block));
  }
}

void requireNoArg(const Block& block) {
  if (!block.arg.empty()) fail(block.line, titleOf(block) + " takes no argument");
}

VirtualPath pathArg(const std::string& arg, int line, bool allowRoot) {
  std::optional<VirtualPath> path = parseVirtualPath(arg);
  if (!path) fail(line, "bad path '" + arg + "'");
  if (!allowRoot && path->parts.empty()) fail(line, "path names no file: '" + arg + "'");
  return *path;
}

SetupItem driveItem(const Block& block) {
  requireNoBody(block);
  if (block.arg.size() != 1 || !std::isalpha(static_cast<unsigned char>(block.arg[0]))) {
    fail(block.line, "bad drive letter '" + block.arg + "'");
  }
  SetupItem item;
  item.kind = SetupItem::Kind::kDrive;
  item.path = *parseVirtualPath(block.arg + ":");
  return item;
}

SetupItem dirItem(const Block& block) {
  requireNoBody(block);
  SetupItem item;
  item.kind = SetupItem::Kind::kDir;
  item.path = pathArg(block.arg, block.line, true);
  return item;
}

SetupItem fileItem(const Block& block) {
  std::string arg = block.arg;
  bool crlf = endsWith(arg, " crlf");
  if (crlf) arg = trim(arg.substr(0, arg.size() - 5));
  SetupItem item;
  item.kind = SetupItem::Kind::kFile;
  item.path = pathArg(arg, block.line, false);
  item.content = joined(block.body, crlf ? "\r\n" : "\n");
  return item;
}

SetupItem copyItem(const Block& block) {
  if (block.body.size() != 1 || block.body[0].text.empty()) {
    fail(block.line, titleOf(block) + " needs one line: the folder to copy, in the source tree");
  }
  SetupItem item;
  item.kind = SetupItem::Kind::kCopy;
  item.path = pathArg(block.arg, block.line, true);
  item.content = block.body[0].text;
  return item;
}

std::optional<SetupItem> setupItemOf(const Block& block) {
  if (block.kind == "drive") return driveItem(block);
  if (block.kind == "copy") return copyItem(block);
  if (block.kind == "dir") return dirItem(block);
  if (block.kind == "file") return fileItem(block);
  return std::nullopt;
}

bool isEnvName(const std::string& name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

std::vector<std::pair<std::string, std::string>> envOf(const Block& block) {
  std::vector<std::pair<std::string, std::string>> env;
  for (const Line& line : block.body) {
    size_t equals = line.text.find('=');
    if (equals == std::string::npos || !isEnvName(line.text.substr(0, equals))) {
      fail(line.number, "expected NAME=VALUE in '--- env'");
    }
    env.emplace_back(line.text.substr(0, equals), line.text.substr(equals + 1));
  }
  return env;
}

int exitArg(const Block& block) {
  const std::string& arg = block.arg;
  bool digits =
      !arg.empty() && arg.size() <= 3 && arg.find_first_not_of("0123456789") == std::string::npos;
  if (!digits || std::stoi(arg) > 255)
    fail(block.line, "exit status must be 0..255: '" + arg + "'");
  return std::stoi(arg);
}

bool isScenarioName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') return false;
  }
  return true;
}

class Parser {
 public:
  ScenarioFile parse(const std::string& text) {
    for (const Block& block : splitBlocks(splitLines(text))) {
      if (block.topLevel) {
        topLevel(block);
      } else {
        inScenario(block);
      }
    }
    closeScenario();
    if (file_.scenarios.empty()) fail(1, "no '=== scenario' in the file");
    return std::move(file_);
  }

 private:
  using Handler = void (Parser::*)(const Block&, Scenario&);

  void topLevel(const Block& block) {
    closeScenario();
    if (block.kind == "scenario") return openScenario(block);
    if (std::optional<SetupItem> item = setupItemOf(block)) return file_.setup.push_back(*item);
    if (block.kind == "machine") {
      requireNoArg(block);
      once(sharedSeen_, block);
      file_.machine = joined(block.body, "\n");
    } else if (block.kind == "program") {
      requireNoBody(block);
      once(sharedSeen_, block);
      file_.program = pathArg(block.arg, block.line, false);
    } else {
      fail(block.line, "unknown block " + titleOf(block));
    }
  }

  void inScenario(const Block& block) {
    if (!open_) fail(block.line, titleOf(block) + " outside a scenario");
    if (std::optional<SetupItem> item = setupItemOf(block)) return open_->setup.push_back(*item);
    static const std::map<std::string, Handler> handlers = {
        {"machine", &Parser::machine},   {"env", &Parser::env},
        {"script", &Parser::script},     {"script-file", &Parser::scriptFile},
        {"exit", &Parser::exit},         {"transcript", &Parser::transcript},
        {"stderr", &Parser::stderrText}, {"file-content", &Parser::fileContent},
        {"no-file", &Parser::noFile},    {"profile-values", &Parser::profileValues},
        {"same-as", &Parser::sameAs},    {"layer-only", &Parser::layerOnly}};
    auto handler = handlers.find(block.kind);
    if (handler == handlers.end()) fail(block.line, "unknown block " + titleOf(block));
    (this->*handler->second)(block, *open_);
  }

  void machine(const Block& block, Scenario& scenario) {
    requireNoArg(block);
    once(scenarioSeen_, block);
    scenario.machine = joined(block.body, "\n");
  }

  void env(const Block& block, Scenario& scenario) {
    requireNoArg(block);
    once(scenarioSeen_, block);
    scenario.env = envOf(block);
  }

  void script(const Block& block, Scenario& scenario) {
    requireNoArg(block);
    once(scenarioSeen_, block);
    scenario.script = joined(block.body, "\n");
  }

  // The script of a file in the source tree, which the runner reads.
  void scriptFile(const Block& block, Scenario& scenario) {
    requireNoBody(block);
    if (block.arg.empty()) fail(block.line, titleOf(block) + " needs a file of the source tree");
    Block asScript = block;  // a scenario has one script, of either kind
    asScript.kind = "script";
    once(scenarioSeen_, asScript);
    scenario.scriptFile = block.arg;
  }

  void exit(const Block& block, Scenario& scenario) {
    requireNoBody(block);
    once(scenarioSeen_, block);
    scenario.exitStatus = exitArg(block);
  }

  void transcript(const Block& block, Scenario& scenario) {
    requireNoArg(block);
    once(scenarioSeen_, block);
    scenario.transcript = textsOf(block.body);
  }

  void stderrText(const Block& block, Scenario& scenario) {
    requireNoArg(block);
    once(scenarioSeen_, block);
    scenario.stderrLines = textsOf(block.body);
  }

  // A check of the file the block names.
  static FileCheck checkOf(const Block& block) {
    FileCheck check;
    check.path = pathArg(block.arg, block.line, false);
    return check;
  }

  void fileContent(const Block& block, Scenario& scenario) {
    FileCheck check = checkOf(block);
    check.lines = textsOf(block.body);
    scenario.files.push_back(check);
  }

  void profileValues(const Block& block, Scenario& scenario) {
    FileCheck check = checkOf(block);
    check.lines = textsOf(block.body);
    check.profileValues = true;
    scenario.files.push_back(check);
  }

  void sameAs(const Block& block, Scenario& scenario) {
    if (block.body.size() != 1 || block.body[0].text.empty()) {
      fail(block.line, titleOf(block) + " needs one line: a file of the source tree");
    }
    FileCheck check = checkOf(block);
    check.sameAs = block.body[0].text;
    scenario.files.push_back(check);
  }

  void noFile(const Block& block, Scenario& scenario) {
    requireNoBody(block);
    FileCheck check = checkOf(block);
    check.mustExist = false;
    scenario.files.push_back(check);
  }

  void layerOnly(const Block& block, Scenario& scenario) {
    requireNoBody(block);
    once(scenarioSeen_, block);
    if (block.arg.empty()) fail(block.line, titleOf(block) + " needs its reason");
    scenario.layerOnly = block.arg;
  }

  void once(std::map<std::string, int>& seen, const Block& block) {
    auto [first, inserted] = seen.emplace(block.kind, block.line);
    if (!inserted) {
      fail(block.line,
           "second " + titleOf(block) + " (first at line " + std::to_string(first->second) + ")");
    }
  }

  void openScenario(const Block& block) {
    requireNoBody(block);
    if (!isScenarioName(block.arg)) fail(block.line, "bad scenario name '" + block.arg + "'");
    auto [first, inserted] = names_.emplace(testNameOf(block.arg), block.line);
    if (!inserted) {
      fail(block.line, "scenario name '" + block.arg + "' already used at line " +
                           std::to_string(first->second));
    }
    open_ = Scenario();
    open_->name = block.arg;
    open_->line = block.line;
    scenarioSeen_.clear();
  }

  void closeScenario() {
    if (!open_) return;
    for (const char* required : {"script", "exit"}) {
      if (!scenarioSeen_.count(required)) {
        fail(open_->line, "scenario '" + open_->name + "' has no '--- " + required + "' block");
      }
    }
    file_.scenarios.push_back(std::move(*open_));
    open_.reset();
  }

  ScenarioFile file_;
  std::optional<Scenario> open_;
  std::map<std::string, int> sharedSeen_;    // block kind -> line
  std::map<std::string, int> scenarioSeen_;  // block kind -> line
  std::map<std::string, int> names_;         // test name -> line
};

}  // namespace

std::optional<VirtualPath> parseVirtualPath(const std::string& text) {
  if (text.size() < 2 || !std::isalpha(static_cast<unsigned char>(text[0])) || text[1] != ':') {
    return std::nullopt;
  }
  if (text.size() > 2 && text[2] != '\\' && text[2] != '/') return std::nullopt;
  VirtualPath path;
  path.drive = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  path.text = text;
  size_t start = 2;
  while (start < text.size()) {
    size_t end = text.find_first_of("\\/", start);
    if (end == std::string::npos) end = text.size();
    std::string part = text.substr(start, end - start);
    if (part == "." || part == "..") return std::nullopt;
    if (!part.empty()) path.parts.push_back(part);
    start = end + 1;
  }
  return path;
}

ParseResult parseScenarioFile(const std::string& text) {
  ParseResult result;
  try {
    result.file = Parser().parse(text);
  } catch (const Malformed& fault) {
    result.error = ParseError{fault.line, fault.message};
  }
  return result;
}

std::string testNameOf(const std::string& scenarioName) {
  std::string name = scenarioName;
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

}  // namespace e2e
