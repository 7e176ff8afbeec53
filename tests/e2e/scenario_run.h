// Runs one scenario: builds its machine prefix, runs the program headless
// under its automation script and checks what the run left behind.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/scenario_file.h"

namespace e2e {

struct RunOptions {
  std::filesystem::path program;  // the program under test
  std::filesystem::path work;     // each run gets <work>/<file stem>/<scenario name>/
  int timeoutSeconds = 60;
};

// The folder holding a run's prefix, script, transcript and output.
std::filesystem::path runFolder(const RunOptions& options, const std::string& fileStem,
                                const std::string& scenarioName);

// Pieces that runs on another platform share: the machine's folders as the
// layer takes them, and the checks of the exit status, of standard error and
// of the files left.
void writeFile(const std::filesystem::path& path, const std::string& content);
void buildMachine(const ScenarioFile& file, const Scenario& scenario,
                  const std::filesystem::path& prefix);
void checkExit(const Scenario& scenario, int status, const std::string& err,
               std::vector<std::string>& failures);
void checkStderr(const Scenario& scenario, const std::string& err,
                 std::vector<std::string>& failures);
void checkFile(const FileCheck& check, const std::filesystem::path& host,
               std::vector<std::string>& failures);

// Returns one message per failed check; empty means the scenario passed.
std::vector<std::string> runScenario(const ScenarioFile& file, const std::string& fileStem,
                                     const Scenario& scenario, const RunOptions& options);

}  // namespace e2e
