// A folder of a test's own on the machine the tests run on: a drive of a test
// machine on the layer, a new temporary folder on Windows. Paths are given
// relative to it and turned into Win32 paths or host paths.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace conformance {

// Whether the functions under test are wine's. In the few rows where wine
// answers otherwise than Windows, the row gives wine's answer and the reason.
bool OnWine();

class ScratchFolder : public ::testing::Test {
 protected:
  ScratchFolder();
  ~ScratchFolder() override;

  // The folder's full Win32 path, e.g. "c:\conform", with no final '\'.
  const std::string& root() const { return root_; }
  // A Win32 path below the folder.
  std::string path(const std::string& relative) const { return root_ + "\\" + relative; }

  void makeFile(const std::string& relative, const std::string& content = "") const;
  void makeFolder(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  std::string content(const std::string& relative) const;

 private:
  struct Machine;
  std::filesystem::path host(const std::string& relative) const;

  std::unique_ptr<Machine> machine_;
  std::string root_;
  std::filesystem::path hostRoot_;
};

}  // namespace conformance
