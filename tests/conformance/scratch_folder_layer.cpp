// The scratch folder on the layer: c:\conform on a test machine of its own,
// with the file system and the profile cache set up over it.
#include <unistd.h>

#include <cctype>

#include "platform/fs/file_system.h"
#include "platform/fs/machine.h"
#include "platform/profile/profile_cache.h"
#include "platform/runtime.h"
#include "tests/conformance/scratch_folder.h"

namespace conformance {

namespace stdfs = std::filesystem;

bool OnWine() { return false; }

struct ScratchFolder::Machine {
  stdfs::path prefix;
  platform::fs::Machine machine;
  std::unique_ptr<platform::fs::FileSystem> files;
  platform::profile::ProfileCache profiles;
};

ScratchFolder::ScratchFolder() : machine_(std::make_unique<Machine>()), root_("c:\\conform") {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "_" + test->name();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  machine_->prefix =
      stdfs::temp_directory_path() / ("conform_" + std::to_string(getpid()) + "_" + name);
  stdfs::remove_all(machine_->prefix);
  stdfs::create_directories(machine_->prefix / "dosdevices");
  stdfs::create_directories(machine_->prefix / "drive_c" / "WINDOWS");
  stdfs::create_directory_symlink("../drive_c", machine_->prefix / "dosdevices" / "c:");
  hostRoot_ = machine_->prefix / "drive_c" / "conform";
  stdfs::create_directories(hostRoot_);
  std::string error;
  if (!platform::fs::LoadMachine(machine_->prefix.string(), "", machine_->machine, error)) {
    ADD_FAILURE() << error;
    return;
  }
  machine_->files = std::make_unique<platform::fs::FileSystem>(machine_->machine);
  platform::fs::SetFiles(machine_->files.get());
  platform::TheRuntime().profiles = &machine_->profiles;
}

ScratchFolder::~ScratchFolder() {
  platform::TheRuntime().profiles = nullptr;
  platform::fs::SetFiles(nullptr);
  stdfs::remove_all(machine_->prefix);
}

}  // namespace conformance
