#include "app/dialog_layout.h"

#include <QWidget>
#include <algorithm>

namespace peltarix {
namespace {

// Below these a widening field or a heightening list is no longer of use:
// a path field shows about a dozen characters, a list three lines.
constexpr int kNarrowestWidening = 48;
constexpr int kLowestHeightening = 24;

}  // namespace

DialogLayout::DialogLayout(const DialogUnits& units, QSize template_size)
    : units_(units), template_size_(template_size) {}

void DialogLayout::Add(QWidget* control, TemplatePlace place, unsigned follow) {
  entries_.push_back({control, place, follow});
}

QSize DialogLayout::TemplateSize() const { return units_.ToPixels(template_size_); }

QSize DialogLayout::MinimumSize(QSize available) const {
  // How far the window may shrink before the first stretching control
  // reaches its floor.
  int spare_width = TemplateSize().width();
  int spare_height = TemplateSize().height();
  for (const Entry& entry : entries_) {
    if (entry.follow & kWiden) {
      spare_width = std::min(spare_width, units_.ToPixelsX(entry.place.width - kNarrowestWidening));
    }
    if (entry.follow & kHeighten) {
      spare_height =
          std::min(spare_height, units_.ToPixelsY(entry.place.height - kLowestHeightening));
    }
  }
  const QSize full = TemplateSize();
  const QSize floor(full.width() - std::max(spare_width, 0),
                    full.height() - std::max(spare_height, 0));
  return full.boundedTo(available).expandedTo(floor);
}

QRect DialogLayout::PlaceFor(TemplatePlace place, unsigned follow, QSize client) const {
  const QSize extra = client - TemplateSize();
  QRect rect = units_.ToPixels(place.x, place.y, place.width, place.height);
  if (follow & kMoveRight) rect.translate(extra.width(), 0);
  if (follow & kMoveDown) rect.translate(0, extra.height());
  if (follow & kWiden) rect.setWidth(std::max(rect.width() + extra.width(), 0));
  if (follow & kHeighten) rect.setHeight(std::max(rect.height() + extra.height(), 0));
  return rect;
}

void DialogLayout::Apply(QSize client) const {
  for (const Entry& entry : entries_) {
    entry.control->setGeometry(PlaceFor(entry.place, entry.follow, client));
  }
}

}  // namespace peltarix
