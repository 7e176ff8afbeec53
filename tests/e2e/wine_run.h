// Runs a scenario on real Win32: the Windows build of the program in a wine
// prefix made from the scenario's machine, played by the Win32 player from
// outside the program's process.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/scenario_file.h"

namespace e2e {

struct WineOptions {
  std::filesystem::path program;       // build-win64/Setup.EXE
  std::filesystem::path player;        // build-win64/win32_player.exe
  std::filesystem::path resources;     // the folder of setup.rc and control_ids.h
  std::filesystem::path work;          // the booted prefix lives in <work>/template
  std::filesystem::path prefixScript;  // tests/wine/fresh_prefix.sh
  int timeoutSeconds = 120;
};

// Why a scenario can only run on the layer, or "" when it can run on wine.
std::string LayerOnlyReason(const ScenarioFile& file, const Scenario& scenario);

// Returns one message per failed check; empty means the scenario passed.
std::vector<std::string> runScenarioOnWine(const ScenarioFile& file, const std::string& fileStem,
                                           const Scenario& scenario, const WineOptions& options);

}  // namespace e2e
