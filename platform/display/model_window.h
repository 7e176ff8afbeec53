// The FLTK window of one top-level window of the model: it paints the model
// and turns the person's mouse and keys into the model's input.
#pragma once

#include <FL/Fl_Double_Window.H>

#include "platform/ui/window_system.h"

namespace platform::display {

class FltkDisplay;

class ModelWindow final : public Fl_Double_Window {
 public:
  ModelWindow(FltkDisplay& display, const ui::Window& window);

  void draw() override;
  int handle(int event) override;

 private:
  ui::Window* model() const;
  void press(ui::Window& window);
  void release(ui::Window& window);
  void pressClient(ui::Window& control, int x, int y);
  void wheel(ui::Window& window);
  int key();
  ui::Window* controlAt(ui::Window& window, int x, int y) const;
  bool inCloseBox(const ui::Window& window, int x, int y) const;

  FltkDisplay& display_;
  HWND handle_;
  bool dragging_ = false;
  bool closing_ = false;
  int dragX_ = 0, dragY_ = 0;
};

}  // namespace platform::display
