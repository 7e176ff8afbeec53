// Reads the text of a scenario file: a shared machine set-up followed by
// scenarios, each with its automation script and the expected outcome.
// tests/scenarios/README.md describes the format.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The folder of the source tree, in which `copy`, `same-as` and `script-file`
// name their files.
#ifndef SCENARIO_SOURCE_ROOT
#define SCENARIO_SOURCE_ROOT "."
#endif

namespace e2e {

// A path on one of the machine's drives, such as d:\SETUP\Setup.EXE.
struct VirtualPath {
  char drive = 0;                  // lower case
  std::vector<std::string> parts;  // components, case as written
  std::string text;                // as written, for messages
};

// Parses "x:", "x:\a\b" or "x:/a/b"; rejects relative paths and "." or "..".
std::optional<VirtualPath> parseVirtualPath(const std::string& text);

// One step of building the machine, applied in file order.
struct SetupItem {
  enum class Kind { kDrive, kDir, kFile, kCopy };
  Kind kind = Kind::kDrive;
  VirtualPath path;     // just the drive for kDrive
  std::string content;  // kFile: the bytes to write; kCopy: the folder to copy, in the source tree
};

// A file the run must leave behind with given lines, or must not leave; or
// an initialization file whose sections named in `lines` must read back as
// they give them, the same keys in the same order with the same values; or
// a file with the bytes of a file of the source tree.
struct FileCheck {
  VirtualPath path;
  bool mustExist = true;
  std::vector<std::string> lines;  // when mustExist
  bool profileValues = false;
  std::string sameAs;  // the source tree's file, when set
};

struct Scenario {
  std::string name;
  int line = 0;                                          // of its "=== scenario" header
  std::optional<std::string> machine;                    // replaces the shared machine.ini
  std::vector<SetupItem> setup;                          // after the shared items
  std::vector<std::pair<std::string, std::string>> env;  // empty value: unset
  std::string script;
  std::string scriptFile;  // the script's file in the source tree, read by the runner
  int exitStatus = 0;
  std::optional<std::vector<std::string>> transcript;
  std::vector<std::string> stderrLines;  // each must occur in stderr
  std::vector<FileCheck> files;
  std::string layerOnly;  // why it is not played on wine; empty: it is
};

struct ScenarioFile {
  std::optional<std::string> machine;  // machine.ini text; none: no file
  std::vector<SetupItem> setup;
  std::optional<VirtualPath> program;  // where the program is placed
  std::vector<Scenario> scenarios;
};

struct ParseError {
  int line = 0;
  std::string message;
};

struct ParseResult {
  ScenarioFile file;
  std::optional<ParseError> error;  // set: the file is unusable
};

ParseResult parseScenarioFile(const std::string& text);

// The name a scenario is registered under as a test ("-" becomes "_").
std::string testNameOf(const std::string& scenarioName);

}  // namespace e2e
