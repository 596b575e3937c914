#include "ui/DialogUnits.h"

#include <QFontMetrics>

#include <cmath>

namespace kelvrin {

namespace {

int Scaled(int value, int base, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(value) * base / divisor));
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    // Rounded average of 52 letters, computed in whole numbers as the original platform does.
    return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

QRect ToPixels(const QRect& units, DialogBaseUnits base) {
    const int left = Scaled(units.x(), base.x, 4);
    const int top = Scaled(units.y(), base.y, 8);
    const int right = Scaled(units.x() + units.width(), base.x, 4);
    const int bottom = Scaled(units.y() + units.height(), base.y, 8);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace kelvrin
