// The layer's start-up: reads the machine prefix and the display settings,
// sets up the window system, then calls the program's WinMain and returns its
// result, as the C run-time's start-up does on Windows.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/automation/player.h"
#include "platform/automation/script.h"
#include "platform/automation/transcript.h"
#include "platform/display/fltk_display.h"
#include "platform/display/headless_display.h"
#include "platform/entry/module_resources.h"
#include "platform/fs/file_system.h"
#include "platform/fs/machine.h"
#include "platform/profile/profile_cache.h"
#include "platform/runtime.h"
#include "platform/ui/window_system.h"

namespace {

constexpr int kExitBadMachine = 3;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string ExecutablePath() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, size_t(length)) : "";
}

[[noreturn]] void Fail(int code, const std::string& message) {
  std::fprintf(stderr, "setup: %s\n", message.c_str());
  std::exit(code);
}

std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
  return line;
}

// SETUP_UI names the display: window by default when there is an X display.
bool WantsWindowDisplay() {
  std::string ui = Environment("SETUP_UI");
  if (ui.empty()) return !Environment("DISPLAY").empty();
  if (ui == "window") return true;
  if (ui == "headless") return false;
  Fail(kExitBadMachine, "SETUP_UI=" + ui + " is neither headless nor window");
}

std::unique_ptr<platform::display::Display> MakeDisplay(bool window) {
  if (!window) {
    // SETUP_SHOW_WINDOWS=1 prints each window as text when it comes on the screen.
    bool show = Environment("SETUP_SHOW_WINDOWS") == "1";
    return std::make_unique<platform::display::HeadlessDisplay>(show ? stdout : nullptr);
  }
  std::string error;
  if (!platform::display::FltkDisplay::Open(error)) Fail(kExitBadMachine, error);
  return std::make_unique<platform::display::FltkDisplay>();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace platform;
  fs::Machine machine;
  std::string error;
  if (!fs::LoadMachine(Environment("SETUP_PREFIX"), ExecutablePath(), machine, error)) {
    Fail(kExitBadMachine, error);
  }
  bool windowDisplay = WantsWindowDisplay();
  fs::FileSystem files(machine);
  fs::SetFiles(&files);
  profile::ProfileCache profiles;
  TheRuntime().profiles = &profiles;

  std::unique_ptr<display::Display> display = MakeDisplay(windowDisplay);
  ui::WindowSystem windows(*display, machine.screenWidth, machine.screenHeight);
  ui::SetWindows(&windows);
  windows.setDeniedTemplates(machine.noTemplate);
  if (!ui::ReadResourceScript(entry::ModuleResourceFiles(), "setup.rc", windows.resources(),
                              error)) {
    Fail(kExitBadMachine, "the program's resources: " + error);
  }

  automation::Transcript transcript;
  std::string transcriptPath = Environment("SETUP_TRANSCRIPT");
  if (!transcriptPath.empty() && !transcript.open(transcriptPath)) {
    Fail(kExitBadMachine, "cannot write the transcript " + transcriptPath);
  }
  TheRuntime().transcript = &transcript;

  // Headless, without a script, the commands come from standard input; the
  // window display without one takes a person's mouse and keys.
  automation::Script script;
  std::string scriptPath = Environment("SETUP_SCRIPT");
  if (scriptPath.empty() && !windowDisplay) scriptPath = "-";
  if (!scriptPath.empty() && !script.open(scriptPath, error)) {
    Fail(automation::kExitScriptFailed, error);
  }
  automation::Player player(script, windows, machine);
  if (!scriptPath.empty()) windows.setInput(&player);

  std::string commandLine = CommandLine(argc, argv);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(uintptr_t(0x400000));
  return WinMain(instance, nullptr, commandLine.data(), SW_SHOWNORMAL);
}
