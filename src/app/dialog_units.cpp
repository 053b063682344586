#include "app/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace peltarix {
namespace {

// Dialog templates measure the average character width over the Latin
// alphabet, not with the font's own average width: for a Japanese face the
// latter is pulled up by the full-width glyphs and would widen every control.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int AverageAlphabetWidth(const QFontMetrics& metrics) {
  const int total = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
  // Half the width of 52 letters, rounded: (total / 26 + 1) / 2.
  return (total / 26 + 1) / 2;
}

// Multiplies and divides with rounding to the nearest integer, halves away
// from zero, as the template conversion does.
int ScaleRounded(int units, int base, int divisor) {
  const long long product = static_cast<long long>(units) * base;
  const long long half = divisor / 2;
  return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
    : DialogUnits(AverageAlphabetWidth(QFontMetrics(font)), QFontMetrics(font).height()) {}

DialogUnits::DialogUnits(int base_width, int base_height)
    : base_width_(base_width > 0 ? base_width : 1),
      base_height_(base_height > 0 ? base_height : 1) {}

int DialogUnits::ToPixelsX(int units) const { return ScaleRounded(units, base_width_, 4); }

int DialogUnits::ToPixelsY(int units) const { return ScaleRounded(units, base_height_, 8); }

QPoint DialogUnits::ToPixels(QPoint units) const {
  return {ToPixelsX(units.x()), ToPixelsY(units.y())};
}

QSize DialogUnits::ToPixels(QSize units) const {
  return {ToPixelsX(units.width()), ToPixelsY(units.height())};
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height)};
}

}  // namespace peltarix
