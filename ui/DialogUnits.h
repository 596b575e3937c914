#pragma once

#include <QFont>
#include <QRect>

namespace kelvrin {

// The dialog base units of a font in pixels: the average width of the letters a-z and A-Z
// (rounded) and the font's height. A horizontal dialog unit is a quarter of x, a vertical one
// an eighth of y.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Converts the edges of a rectangle separately, so that controls that touch in dialog units
// touch in pixels too.
QRect ToPixels(const QRect& units, DialogBaseUnits base);

}  // namespace kelvrin
