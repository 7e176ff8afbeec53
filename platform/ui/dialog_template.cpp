#include "platform/ui/dialog_template.h"

#include <cstdint>

#include "platform/profile/profile_document.h"

namespace platform::ui {

const DialogTemplate* ResourceTable::findDialog(const std::string& name) const {
  for (const DialogTemplate& dialog : dialogs_) {
    if (profile::NamesEqual(dialog.name, name)) return &dialog;
  }
  return nullptr;
}

// The base units of "MS Sans Serif" at 96 dots per inch: 8 pt is 6 x 13
// pixels, 14 pt is 11 x 24. Other sizes scale from 8 pt.
BaseUnits DialogBaseUnits(int pointSize) {
  if (pointSize == 14) return {11, 24};
  if (pointSize <= 0 || pointSize == 8) return {6, 13};
  return {MulDiv(6, pointSize, 8), MulDiv(13, pointSize, 8)};
}

int DialogUnitsToPixelsX(int units, BaseUnits base) { return MulDiv(units, base.x, 4); }
int DialogUnitsToPixelsY(int units, BaseUnits base) { return MulDiv(units, base.y, 8); }

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t product = int64_t(a) * b;
  int64_t half = (c > 0 ? c : -c) / 2;
  bool negative = (product < 0) != (c < 0);
  int64_t magnitude = (product < 0 ? -product : product) + half;
  int64_t quotient = magnitude / (c > 0 ? c : -c);
  return int(negative ? -quotient : quotient);
}

}  // namespace platform::ui
