// Registers every scenario of every *.scenario file in a folder as a test:
//   scenario_runner --program PATH --scenarios DIR --work DIR [gtest options]
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>

#include "tests/e2e/scenario_file.h"
#include "tests/e2e/scenario_run.h"
#include "tests/e2e/wine_run.h"

namespace {
namespace fs = std::filesystem;

// The build gives the defaults, so that test discovery needs no arguments.
#ifndef SCENARIO_DEFAULT_PROGRAM
#define SCENARIO_DEFAULT_PROGRAM ""
#define SCENARIO_DEFAULT_SCENARIOS ""
#define SCENARIO_DEFAULT_WORK ""
#endif

// Built with SCENARIO_ON_WINE, the runner plays every scenario on real Win32
// instead: the Windows build under wine, driven by the Win32 player.
#ifndef SCENARIO_ON_WINE
#define SCENARIO_ON_WINE 0
#define SCENARIO_WINE_PLAYER ""
#define SCENARIO_RESOURCES ""
#define SCENARIO_WINE_PREFIX_SCRIPT ""
#endif

struct RunnerArgs {
  std::string program = SCENARIO_DEFAULT_PROGRAM;
  std::string scenarios = SCENARIO_DEFAULT_SCENARIOS;
  std::string work = SCENARIO_DEFAULT_WORK;
};

// Takes "--name VALUE" or "--name=VALUE" for the runner's own options out of
// argv, leaving the rest for GoogleTest. False when one lacks its value.
bool takeRunnerArgs(int* argc, char** argv, RunnerArgs* args) {
  const std::map<std::string, std::string*> options = {
      {"--program", &args->program}, {"--scenarios", &args->scenarios}, {"--work", &args->work}};
  int kept = 1;
  for (int i = 1; i < *argc; ++i) {
    std::string arg = argv[i];
    size_t equals = arg.find('=');
    auto option = options.find(arg.substr(0, equals));
    if (option == options.end()) {
      argv[kept++] = argv[i];
    } else if (equals != std::string::npos) {
      *option->second = arg.substr(equals + 1);
    } else if (i + 1 < *argc) {
      *option->second = argv[++i];
    } else {
      return false;
    }
  }
  *argc = kept;
  argv[kept] = nullptr;
  return !args->program.empty() && !args->scenarios.empty() && !args->work.empty();
}

std::string suiteNameOf(const std::string& stem) {
  std::string name = stem;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
  }
  return name;
}

class ScenarioTest : public testing::Test {
 public:
  explicit ScenarioTest(std::function<void()> body) : body_(std::move(body)) {}
  void TestBody() override { body_(); }

 private:
  std::function<void()> body_;
};

void registerTest(const std::string& suite, const std::string& name, const fs::path& path, int line,
                  const std::function<void()>& body) {
  testing::RegisterTest(suite.c_str(), name.c_str(), nullptr, nullptr, path.c_str(), line,
                        [body]() -> testing::Test* { return new ScenarioTest(body); });
}

void registerMalformed(const std::string& suite, const fs::path& path, int line,
                       const std::string& message) {
  registerTest(suite, "parse", path, line, [path, line, message] {
    ADD_FAILURE_AT(path.c_str(), line) << "malformed scenario file: " << message;
  });
}

void runOne(const e2e::ScenarioFile& file, const fs::path& path, const e2e::Scenario& scenario,
            const e2e::RunOptions& options) {
  std::string stem = path.stem().string();
  if (SCENARIO_ON_WINE) {
    std::string reason = e2e::LayerOnlyReason(file, scenario);
    if (!reason.empty()) GTEST_SKIP() << "on the layer only: " << reason;
    e2e::WineOptions wine{options.program, SCENARIO_WINE_PLAYER, SCENARIO_RESOURCES, options.work,
                          SCENARIO_WINE_PREFIX_SCRIPT};
    for (const std::string& failure : e2e::runScenarioOnWine(file, stem, scenario, wine)) {
      ADD_FAILURE_AT(path.c_str(), scenario.line) << failure;
    }
    return;
  }
  SCOPED_TRACE("run folder: " + e2e::runFolder(options, stem, scenario.name).string());
  for (const std::string& failure : e2e::runScenario(file, stem, scenario, options)) {
    ADD_FAILURE_AT(path.c_str(), scenario.line) << failure;
  }
}

void registerFile(const fs::path& path, const e2e::RunOptions& options) {
  std::string suite = suiteNameOf(path.stem().string());
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return registerMalformed(suite, path, -1, "cannot read the file");
  std::ostringstream text;
  text << in.rdbuf();
  e2e::ParseResult parsed = e2e::parseScenarioFile(text.str());
  if (parsed.error)
    return registerMalformed(suite, path, parsed.error->line, parsed.error->message);
  for (e2e::Scenario& scenario : parsed.file.scenarios) {
    if (scenario.scriptFile.empty()) continue;
    std::ifstream script(fs::path(SCENARIO_SOURCE_ROOT) / scenario.scriptFile, std::ios::binary);
    std::ostringstream body;
    body << script.rdbuf();
    if (!script) {
      return registerMalformed(suite, path, scenario.line,
                               "cannot read the script " + scenario.scriptFile);
    }
    scenario.script = body.str();
  }
  auto file = std::make_shared<const e2e::ScenarioFile>(std::move(parsed.file));
  for (size_t index = 0; index < file->scenarios.size(); ++index) {
    const e2e::Scenario& scenario = file->scenarios[index];
    registerTest(
        suite, e2e::testNameOf(scenario.name), path, scenario.line,
        [file, path, index, options] { runOne(*file, path, file->scenarios[index], options); });
  }
}

std::vector<fs::path> scenarioFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".scenario") {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  RunnerArgs args;
  if (!takeRunnerArgs(&argc, argv, &args)) {
    std::cerr << "usage: " << argv[0]
              << " --program PATH --scenarios DIR --work DIR [gtest options]\n";
    return 2;
  }
  testing::InitGoogleTest(&argc, argv);
  e2e::RunOptions options;
  options.program = args.program;
  options.work = args.work;
  try {
    for (const fs::path& path : scenarioFiles(args.scenarios)) registerFile(path, options);
  } catch (const fs::filesystem_error& fault) {
    std::cerr << "cannot list scenarios: " << fault.what() << "\n";
    return 2;
  }
  return RUN_ALL_TESTS();
}
