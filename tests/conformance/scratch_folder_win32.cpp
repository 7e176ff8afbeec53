// The scratch folder on Windows: a new folder in the user's temporary folder,
// left as the current directory while the test runs.
#include <windows.h>

#include "tests/conformance/scratch_folder.h"

namespace conformance {

namespace stdfs = std::filesystem;

// Wine's ntdll has a function of its own that tells its version.
bool OnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

struct ScratchFolder::Machine {
  std::string previousDirectory;
};

ScratchFolder::ScratchFolder() : machine_(std::make_unique<Machine>()) {
  char temp[MAX_PATH];
  DWORD length = GetTempPathA(sizeof temp, temp);
  if (length == 0 || length >= sizeof temp) {
    ADD_FAILURE() << "no temporary folder";
    return;
  }
  std::string folder(temp, length);
  if (folder.back() == '\\') folder.pop_back();
  root_ = folder + "\\conform-" + std::to_string(GetCurrentProcessId()) + "-" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
  hostRoot_ = root_;
  stdfs::remove_all(hostRoot_);
  stdfs::create_directories(hostRoot_);
  char current[MAX_PATH];
  if (GetCurrentDirectoryA(sizeof current, current)) machine_->previousDirectory = current;
}

ScratchFolder::~ScratchFolder() {
  SetCurrentDirectoryA(machine_->previousDirectory.c_str());
  std::error_code ignored;
  stdfs::remove_all(hostRoot_, ignored);
}

}  // namespace conformance
