// Dialog templates as a resource script defines them, and the table in which
// DialogBoxParamA finds them by name.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::ui {

struct ControlTemplate {
  std::string className;
  int id = 0;  // as stored in a classic template: 16 bits, so -1 is 0xFFFF
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct DialogTemplate {
  std::string name;
  WORD language = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::string caption;
  int fontSize = 0;
  std::string fontFace;
  std::vector<ControlTemplate> controls;
};

struct IconResource {
  std::string name;
  WORD language = 0;
  std::string file;
};

class ResourceTable {
 public:
  // Finds a template by name without regard to case.
  const DialogTemplate* findDialog(const std::string& name) const;
  void add(DialogTemplate dialog) { dialogs_.push_back(std::move(dialog)); }
  void add(IconResource icon) { icons_.push_back(std::move(icon)); }
  const std::vector<DialogTemplate>& dialogs() const { return dialogs_; }
  const std::vector<IconResource>& icons() const { return icons_; }

 private:
  std::vector<DialogTemplate> dialogs_;
  std::vector<IconResource> icons_;
};

// Pixels per dialog unit come from the template font's average character
// width and height (the dialog base units).
struct BaseUnits {
  int x;
  int y;
};
BaseUnits DialogBaseUnits(int pointSize);
int DialogUnitsToPixelsX(int units, BaseUnits base);
int DialogUnitsToPixelsY(int units, BaseUnits base);

// a * b / c rounded to the nearest integer, as Win32's MulDiv.
int MulDiv(int a, int b, int c);

}  // namespace platform::ui
