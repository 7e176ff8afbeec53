#include "tests/support/prefix_fixture.h"

#include <unistd.h>

#include <cctype>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace stdfs = std::filesystem;

PrefixTest::PrefixTest() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "_" + test->name();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  root_ = stdfs::temp_directory_path() / ("prefix_" + std::to_string(getpid()) + "_" + name);
  stdfs::remove_all(root_);
  stdfs::create_directories(root_ / "dosdevices");
}

PrefixTest::~PrefixTest() {
  platform::fs::SetFiles(nullptr);
  stdfs::remove_all(root_);
}

void PrefixTest::drive(char letter) {
  std::string lower(1, char(std::tolower(static_cast<unsigned char>(letter))));
  stdfs::create_directories(root_ / ("drive_" + lower));
  stdfs::create_directory_symlink("../drive_" + lower, root_ / "dosdevices" / (lower + ":"));
}

std::string PrefixTest::hostPath(const std::string& path) const {
  std::string lower(1, char(std::tolower(static_cast<unsigned char>(path[0]))));
  std::string rest = path.substr(2);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return (root_ / ("drive_" + lower)).string() + rest;
}

void PrefixTest::file(const std::string& path, const std::string& content) {
  stdfs::path host = hostPath(path);
  stdfs::create_directories(host.parent_path());
  std::ofstream(host, std::ios::binary) << content;
}

void PrefixTest::folder(const std::string& path) { stdfs::create_directories(hostPath(path)); }

void PrefixTest::machineIni(const std::string& text) {
  std::ofstream(root_ / "machine.ini", std::ios::binary) << text;
}

void PrefixTest::boot() {
  std::string error;
  ASSERT_TRUE(platform::fs::LoadMachine(root_.string(), "", machine_, error)) << error;
  files_ = std::make_unique<platform::fs::FileSystem>(machine_);
  platform::fs::SetFiles(files_.get());
}

bool PrefixTest::hostExists(const std::string& path) const {
  return stdfs::exists(stdfs::symlink_status(hostPath(path)));
}

std::string PrefixTest::hostContent(const std::string& path) const {
  std::ifstream in(hostPath(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace testing_support
