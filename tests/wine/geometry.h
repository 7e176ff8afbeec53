// Rectangles on wine. Wine's fonts and frames are not classic Windows', so a
// dialog's size in pixels differs from the layer's; what the program decides,
// where it places its windows and controls, is checked in the units it gave.
#pragma once

#include <string>

#include "platform/ui/dialog_template.h"
#include "platform/win32.h"

namespace wine_player {

// The base units wine gives a dialog in this font, measured on a hidden
// dialog made here from a template of that font alone.
platform::ui::BaseUnits MeasuredBaseUnits(const std::string& face, int pointSize);

// A control's rectangle in its parent's client pixels. One that stands where
// its template puts it, as the expected pixels show with the layer's base
// units, is checked in dialog units: it must stand where the same template
// puts it with wine's. Any other, placed by the program in pixels, must be
// exactly there. `note` tells which.
bool ControlRectHolds(const platform::ui::DialogTemplate* dialog, int id, const RECT& expected,
                      const RECT& found, std::string& note);

// A top-level window's rectangle: its size follows wine's metrics, but the
// program places it by the screen's centre, so its centre must be the
// expected one, within a pixel for the rounding of halves.
bool WindowCentreHolds(const RECT& expected, const RECT& found);

}  // namespace wine_player
