// A display without pixels, as the headless one, that also records every
// text a watched control shows, in order, so that tests can see what the
// user saw change.
#pragma once

#include <string>
#include <vector>

#include "platform/display/display.h"

namespace testing_support {

class RecordingDisplay final : public platform::display::Display {
 public:
  // Records the texts of control `id` of dialogs made from `dialogTemplate`.
  void watch(const std::string& dialogTemplate, int id);
  const std::vector<std::string>& texts() const { return texts_; }

  uint64_t now() const override { return now_; }
  void waitUntil(uint64_t deadline) override {
    if (deadline > now_) now_ = deadline;
  }
  void sleep(uint32_t milliseconds) override { now_ += milliseconds; }
  bool waitForInput() override { return false; }
  void windowChanged(HWND window) override;
  void windowDestroyed(HWND) override {}
  bool screenshot(const std::string&) override { return false; }

 private:
  uint64_t now_ = 0;
  std::string template_;
  int id_ = 0;
  std::vector<std::string> texts_;
};

}  // namespace testing_support
