// A machine prefix made for a test: drives with host folders, files on them,
// a machine.ini, and the layer's file system over it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/fs/file_system.h"
#include "platform/fs/machine.h"

namespace testing_support {

class PrefixTest : public ::testing::Test {
 protected:
  PrefixTest();
  ~PrefixTest() override;

  // A drive with a disk: its folder and its dosdevices entry.
  void drive(char letter);
  // Files and folders by virtual path, as the host spells them.
  void file(const std::string& path, const std::string& content = "");
  void folder(const std::string& path);
  void machineIni(const std::string& text);
  // Loads the machine and sets up the file system over it.
  void boot();

  std::string hostPath(const std::string& path) const;
  bool hostExists(const std::string& path) const;
  std::string hostContent(const std::string& path) const;

  std::filesystem::path root_;
  platform::fs::Machine machine_;
  std::unique_ptr<platform::fs::FileSystem> files_;
};

}  // namespace testing_support
