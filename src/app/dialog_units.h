#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace peltarix {

// Converts dialog-template units to pixels for one font, the way dialog
// templates are laid out: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its character
// height. Positions and sizes are kept in dialog units in the code so that
// the window keeps its arrangement whatever font and screen it gets.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(int base_width, int base_height);

  int base_width() const { return base_width_; }
  int base_height() const { return base_height_; }

  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QPoint ToPixels(QPoint units) const;
  QSize ToPixels(QSize units) const;
  // x, y, width and height in dialog units.
  QRect ToPixels(int x, int y, int width, int height) const;

 private:
  int base_width_;
  int base_height_;
};

}  // namespace peltarix
