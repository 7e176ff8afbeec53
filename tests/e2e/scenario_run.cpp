#include "tests/e2e/scenario_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/profile/profile_document.h"
#include "tests/e2e/scenario_file.h"

extern char** environ;

namespace e2e {
namespace fs = std::filesystem;
namespace {

struct RunFiles {
  fs::path root;
  fs::path prefix;
  fs::path script;
  fs::path transcript;
  fs::path out;
  fs::path err;
};

RunFiles runFilesOf(const fs::path& root) {
  return {root,
          root / "prefix",
          root / "script.txt",
          root / "transcript.txt",
          root / "stdout.txt",
          root / "stderr.txt"};
}

// ---- Building the machine ----

fs::path hostPath(const fs::path& prefix, const VirtualPath& path) {
  fs::path host = prefix / (std::string("drive_") + path.drive);
  for (const std::string& part : path.parts) host /= part;
  return host;
}

void ensureDrive(const fs::path& prefix, char drive) {
  std::string folder = std::string("drive_") + drive;
  fs::create_directories(prefix / folder);
  fs::path link = prefix / "dosdevices" / (std::string(1, drive) + ":");
  if (!fs::exists(fs::symlink_status(link))) {
    fs::create_directory_symlink(".." / fs::path(folder), link);
  }
}

}  // namespace

void writeFile(const fs::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

void applySetup(const fs::path& prefix, const SetupItem& item) {
  ensureDrive(prefix, item.path.drive);
  fs::path host = hostPath(prefix, item.path);
  switch (item.kind) {
    case SetupItem::Kind::kDrive:
      break;
    case SetupItem::Kind::kDir:
      fs::create_directories(host);
      break;
    case SetupItem::Kind::kFile:
      fs::create_directories(host.parent_path());
      writeFile(host, item.content);
      break;
    case SetupItem::Kind::kCopy:
      fs::create_directories(host);
      fs::copy(fs::path(SCENARIO_SOURCE_ROOT) / item.content, host,
               fs::copy_options::recursive | fs::copy_options::overwrite_existing);
      break;
  }
}

void buildMachine(const ScenarioFile& file, const Scenario& scenario, const fs::path& prefix) {
  fs::create_directories(prefix / "dosdevices");
  const std::optional<std::string>& machine = scenario.machine ? scenario.machine : file.machine;
  if (machine) writeFile(prefix / "machine.ini", *machine);
  for (const SetupItem& item : file.setup) applySetup(prefix, item);
  for (const SetupItem& item : scenario.setup) applySetup(prefix, item);
}

namespace {

// Hard links keep the run cheap; a copy serves across file systems.
fs::path placeProgram(const ScenarioFile& file, const fs::path& program, const fs::path& prefix) {
  if (!file.program) return program;
  ensureDrive(prefix, file.program->drive);
  fs::path target = hostPath(prefix, *file.program);
  fs::create_directories(target.parent_path());
  std::error_code linkError;
  fs::create_hard_link(program, target, linkError);
  if (linkError) {
    fs::copy_file(program, target, fs::copy_options::overwrite_existing);
    fs::permissions(target, fs::status(program).permissions());
  }
  return target;
}

// ---- Running the program ----

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Settings of the shell that started the runner must not change a run: no
// display, no program settings, no locale. Scenarios set what they need.
bool isInherited(const std::string& name) {
  for (const char* prefix : {"SETUP_", "LC_"}) {
    if (name.rfind(prefix, 0) == 0) return false;
  }
  return name != "DISPLAY" && name != "LANG" && name != "LANGUAGE";
}

// The runner's environment as filtered above, plus the run's settings.
std::vector<std::string> childEnvironment(const Scenario& scenario, const RunFiles& files) {
  std::map<std::string, std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    std::string text = *entry;
    size_t equals = text.find('=');
    std::string name = text.substr(0, equals);
    if (equals == std::string::npos || !isInherited(name)) continue;
    env[name] = text.substr(equals + 1);
  }
  env["SETUP_PREFIX"] = files.prefix.string();
  env["SETUP_UI"] = "headless";
  env["SETUP_SCRIPT"] = files.script.string();
  env["SETUP_TRANSCRIPT"] = files.transcript.string();
  for (const auto& [name, value] : scenario.env) {
    if (value.empty()) {
      env.erase(name);
    } else {
      env[name] = replaceAll(value, "{prefix}", files.prefix.string());
    }
  }
  std::vector<std::string> entries;
  for (const auto& [name, value] : env) entries.push_back(name + "=" + value);
  return entries;
}

struct ChildResult {
  std::string error;  // set: the program could not be started
  bool timedOut = false;
  int status = 0;  // as from waitpid
};

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Output goes to files; the child gets its own process group so a time-out
// kills whatever it started too.
int spawnChild(const fs::path& exe, std::vector<std::string> env, const RunFiles& files,
               pid_t* pid) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, files.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, files.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addchdir_np(&actions, files.root.c_str());
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setsigdefault(&attr, &all);
  posix_spawnattr_setpgroup(&attr, 0);
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  std::vector<std::string> args = {exe.string()};
  int error = posix_spawn(pid, exe.c_str(), &actions, &attr, pointersTo(args).data(),
                          pointersTo(env).data());
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

ChildResult waitForChild(pid_t pid, int timeoutSeconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  auto pause = std::chrono::milliseconds(1);
  ChildResult result;
  while (true) {
    pid_t done = waitpid(pid, &result.status, WNOHANG);
    if (done == pid) return result;
    if (done < 0 && errno != EINTR) {
      result.error = std::string("waitpid: ") + std::strerror(errno);
      return result;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(20));
  }
  kill(-pid, SIGKILL);
  waitpid(pid, &result.status, 0);
  result.timedOut = true;
  return result;
}

ChildResult runChild(const fs::path& exe, const Scenario& scenario, const RunFiles& files,
                     int timeoutSeconds) {
  pid_t pid = 0;
  int error = spawnChild(exe, childEnvironment(scenario, files), files, &pid);
  if (error != 0) {
    ChildResult result;
    result.error = "cannot start " + exe.string() + ": " + std::strerror(error);
    return result;
  }
  return waitForChild(pid, timeoutSeconds);
}

// ---- Checking the outcome ----

std::optional<std::string> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Lines as compared: CR LF read as LF, trailing blank lines dropped.
std::vector<std::string> comparableLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(replaceAll(text, "\r\n", "\n"));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::vector<std::string> withoutTrailingBlanks(std::vector<std::string> lines) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// Control characters shown escaped so a stray CR or tab is visible.
std::string visible(const std::string& line) {
  std::string shown;
  for (unsigned char c : line) {
    if (c >= 0x20 || c == '\t') {
      shown += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      shown += escaped;
    }
  }
  return shown;
}

struct DiffLine {
  char tag;  // ' ' both, '-' expected only, '+' found only
  const std::string* text;
};

std::vector<DiffLine> diffLines(const std::vector<std::string>& a,
                                const std::vector<std::string>& b) {
  // common[i][j]: length of the longest common subsequence of a[i..] and b[j..].
  std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
  for (size_t i = a.size(); i-- > 0;) {
    for (size_t j = b.size(); j-- > 0;) {
      common[i][j] =
          a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::vector<DiffLine> lines;
  size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      lines.push_back({' ', &a[i++]});
      j++;
    } else if (j == b.size() || (i < a.size() && common[i + 1][j] >= common[i][j + 1])) {
      lines.push_back({'-', &a[i++]});
    } else {
      lines.push_back({'+', &b[j++]});
    }
  }
  return lines;
}

// A diff with three lines of context around each change.
std::string lineDiff(const std::vector<std::string>& expected,
                     const std::vector<std::string>& found) {
  std::vector<DiffLine> lines = diffLines(expected, found);
  const int kContext = 3;
  std::vector<bool> shown(lines.size(), false);
  for (size_t k = 0; k < lines.size(); ++k) {
    if (lines[k].tag == ' ') continue;
    size_t from = k > kContext ? k - kContext : 0;
    for (size_t m = from; m < lines.size() && m <= k + kContext; ++m) shown[m] = true;
  }
  std::string text;
  for (size_t k = 0; k < lines.size(); ++k) {
    if (shown[k]) {
      text += std::string(1, lines[k].tag) + " " + visible(*lines[k].text) + "\n";
    } else if (k == 0 || shown[k - 1]) {
      text += "  ...\n";
    }
  }
  return text;
}

std::string excerpt(const std::string& text) {
  const size_t kLimit = 4000;
  if (text.empty()) return "(empty)\n";
  if (text.size() <= kLimit) return text;
  return text.substr(0, kLimit) + "\n[" + std::to_string(text.size() - kLimit) + " more bytes]";
}

std::string describeStatus(int status) {
  if (WIFEXITED(status)) return std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) {
    return "death by signal " + std::to_string(WTERMSIG(status)) + " (" +
           strsignal(WTERMSIG(status)) + ")";
  }
  return "wait status " + std::to_string(status);
}

}  // namespace

void checkExit(const Scenario& scenario, int status, const std::string& err,
               std::vector<std::string>& failures) {
  if (WIFEXITED(status) && WEXITSTATUS(status) == scenario.exitStatus) return;
  failures.push_back("exit status: expected " + std::to_string(scenario.exitStatus) + ", found " +
                     describeStatus(status) + "\nstderr:\n" + excerpt(err));
}

namespace {

void checkTranscript(const Scenario& scenario, const RunFiles& files,
                     std::vector<std::string>& failures) {
  if (!scenario.transcript) return;
  std::vector<std::string> expected = withoutTrailingBlanks(*scenario.transcript);
  std::vector<std::string> found = comparableLines(readFile(files.transcript).value_or(""));
  if (expected == found) return;
  failures.push_back("transcript differs (- expected, + found):\n" + lineDiff(expected, found));
}

}  // namespace

void checkStderr(const Scenario& scenario, const std::string& err,
                 std::vector<std::string>& failures) {
  std::string missing;
  for (const std::string& line : scenario.stderrLines) {
    if (err.find(line) == std::string::npos) missing += "  " + visible(line) + "\n";
  }
  if (missing.empty()) return;
  failures.push_back("stderr lacks:\n" + missing + "stderr was:\n" + excerpt(err));
}

namespace {

// The sections of `expected` as the file reads back, each key with its value.
std::vector<std::string> profileLines(const platform::profile::ProfileDocument& file,
                                      const platform::profile::ProfileDocument& expected) {
  std::vector<std::string> lines;
  for (const std::string& section : expected.sectionNames()) {
    lines.push_back("[" + section + "]");
    for (const std::string& key : file.keyNames(section)) {
      lines.push_back(key + "=" + file.value(section, key).value_or(""));
    }
  }
  return lines;
}

}  // namespace

void checkFile(const FileCheck& check, const fs::path& host, std::vector<std::string>& failures) {
  std::string name = "file " + check.path.text;
  if (!check.mustExist) {
    if (fs::exists(fs::symlink_status(host))) failures.push_back(name + ": exists, expected none");
    return;
  }
  std::optional<std::string> content;
  if (fs::is_regular_file(host)) content = readFile(host);
  if (!content) return failures.push_back(name + ": expected a file, found none");
  if (!check.sameAs.empty()) {
    if (readFile(fs::path(SCENARIO_SOURCE_ROOT) / check.sameAs) == content) return;
    return failures.push_back(name + ": differs from " + check.sameAs);
  }
  std::vector<std::string> expected = withoutTrailingBlanks(check.lines);
  std::vector<std::string> found = comparableLines(*content);
  if (check.profileValues) {
    // Values are compared as they read back: a write may lay the file out anew.
    using platform::profile::ProfileDocument;
    std::string text;
    for (const std::string& line : expected) text += line + "\n";
    ProfileDocument wanted = ProfileDocument::parse(text);
    expected = profileLines(wanted, wanted);
    found = profileLines(ProfileDocument::parse(*content), wanted);
  }
  if (expected == found) return;
  failures.push_back(name + " differs (- expected, + found):\n" + lineDiff(expected, found));
}

namespace {

std::vector<std::string> checkOutcome(const Scenario& scenario, const RunFiles& files, int status) {
  std::string err = readFile(files.err).value_or("");
  std::vector<std::string> failures;
  checkExit(scenario, status, err, failures);
  checkTranscript(scenario, files, failures);
  checkStderr(scenario, err, failures);
  for (const FileCheck& check : scenario.files) {
    checkFile(check, hostPath(files.prefix, check.path), failures);
  }
  return failures;
}

// Clears the run folder and builds the machine; returns the program to run.
fs::path prepareRun(const ScenarioFile& file, const Scenario& scenario, const RunFiles& files,
                    const fs::path& program) {
  fs::remove_all(files.root);
  fs::create_directories(files.root);
  buildMachine(file, scenario, files.prefix);
  writeFile(files.script, scenario.script);
  return placeProgram(file, program, files.prefix);
}

}  // namespace

fs::path runFolder(const RunOptions& options, const std::string& fileStem,
                   const std::string& scenarioName) {
  return fs::weakly_canonical(fs::absolute(options.work)) / fileStem / scenarioName;
}

std::vector<std::string> runScenario(const ScenarioFile& file, const std::string& fileStem,
                                     const Scenario& scenario, const RunOptions& options) {
  RunFiles files = runFilesOf(runFolder(options, fileStem, scenario.name));
  fs::path exe;
  try {
    exe = prepareRun(file, scenario, files, fs::canonical(options.program));
  } catch (const std::exception& fault) {
    return {std::string("cannot set up the run: ") + fault.what()};
  }
  ChildResult child = runChild(exe, scenario, files, options.timeoutSeconds);
  if (!child.error.empty()) return {child.error};
  if (child.timedOut) {
    return {"no exit within " + std::to_string(options.timeoutSeconds) + " s; killed\nstderr:\n" +
            excerpt(readFile(files.err).value_or(""))};
  }
  return checkOutcome(scenario, files, child.status);
}

}  // namespace e2e
