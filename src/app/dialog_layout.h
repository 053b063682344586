#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "app/dialog_units.h"

class QWidget;

namespace peltarix {

// A control's place in a dialog template, in dialog units.
struct TemplatePlace {
  int x;
  int y;
  int width;
  int height;
};

// How a control follows the window when it is larger or smaller than its
// template: it may move with the right or bottom edge, or take the
// difference into its width or height.
enum Follow : unsigned {
  kFixed = 0,
  kMoveRight = 1u << 0,
  kWiden = 1u << 1,
  kMoveDown = 1u << 2,
  kHeighten = 1u << 3,
};

// Places a window's controls from their template places. At the template's
// size every control stands where the template puts it; extra width and
// height go to the controls that widen and heighten, and the controls right
// of or below them move along.
class DialogLayout {
 public:
  DialogLayout(const DialogUnits& units, QSize template_size);

  void Add(QWidget* control, TemplatePlace place, unsigned follow);

  // The template's size in pixels.
  QSize TemplateSize() const;
  // The smallest client size: the template's, or what fits `available` when
  // that is smaller, down to the point where a control that widens or
  // heightens would become too small to use.
  QSize MinimumSize(QSize available) const;
  // Where a control goes in a client area of `client` pixels.
  QRect PlaceFor(TemplatePlace place, unsigned follow, QSize client) const;
  // Moves every added control to its place for `client`.
  void Apply(QSize client) const;

 private:
  struct Entry {
    QWidget* control;
    TemplatePlace place;
    unsigned follow;
  };

  DialogUnits units_;
  QSize template_size_;
  std::vector<Entry> entries_;
};

}  // namespace peltarix
