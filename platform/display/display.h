// What a display must do for the window model: keep time, wait, and show the
// model's windows. The headless and the FLTK displays are two such drivers;
// the model never includes either.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace platform::display {

class Display {
 public:
  virtual ~Display() = default;

  // Milliseconds on the display's clock.
  virtual uint64_t now() const = 0;
  // Lets time pass until the deadline (a timer is due then).
  virtual void waitUntil(uint64_t deadline) = 0;
  // Holds the thread without handling any message.
  virtual void sleep(uint32_t milliseconds) = 0;
  // The program waits for a person; returns when some input was handled.
  // Returns false when the display has no person to ask.
  virtual bool waitForInput() = 0;

  // The model changed the window (text, state, geometry, visibility).
  virtual void windowChanged(HWND window) = 0;
  virtual void windowDestroyed(HWND window) = 0;

  // Saves an image of the screen; false when the display has no pixels.
  virtual bool screenshot(const std::string& path) = 0;
};

}  // namespace platform::display
