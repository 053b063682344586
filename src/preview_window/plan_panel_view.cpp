#include "preview_window/plan_panel_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "preview/plan_tooltip.h"

namespace peltarix {
namespace {

constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 40.0;

}  // namespace

PlanPanelView::PlanPanelView(const QByteArray& svg, QRectF region, const PlanLayout* layout,
                             const PlanPanel* panel, const PlanFloor* floor, bool interactive,
                             QWidget* parent)
    : QWidget(parent),
      renderer_(svg),
      region_(region),
      layout_(layout),
      panel_(panel),
      floor_(floor),
      interactive_(interactive),
      centre_(region.center()) {
  setMouseTracking(interactive);
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (interactive) setCursor(Qt::OpenHandCursor);
}

QSize PlanPanelView::sizeHint() const { return region_.size().toSize(); }

QPointF PlanPanelView::CanvasAt(QPointF widget_point) const {
  const QPointF middle(width() / 2.0, height() / 2.0);
  return centre_ + (widget_point - middle) / zoom_;
}

void PlanPanelView::FitRegion() {
  if (region_.isEmpty() || width() <= 0 || height() <= 0) return;
  zoom_ = std::min(width() / region_.width(), height() / region_.height());
  centre_ = region_.center();
  fitted_ = true;
  update();
}

void PlanPanelView::ZoomAt(QPointF widget_point, double factor) {
  const QPointF anchor = CanvasAt(widget_point);
  zoom_ = std::clamp(zoom_ * factor, kMinZoom, kMaxZoom);
  const QPointF middle(width() / 2.0, height() / 2.0);
  centre_ = anchor - (widget_point - middle) / zoom_;
  fitted_ = false;
  update();
}

void PlanPanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  // The view box is the canvas area the widget shows at the current zoom.
  const QSizeF shown(width() / zoom_, height() / zoom_);
  const QRectF view_box(centre_ - QPointF(shown.width() / 2, shown.height() / 2), shown);
  renderer_.setViewBox(view_box);
  // Only this region: the panels beside it belong to other tabs.
  const QRectF region_on_widget((region_.left() - view_box.left()) * zoom_,
                                (region_.top() - view_box.top()) * zoom_, region_.width() * zoom_,
                                region_.height() * zoom_);
  painter.setClipRect(region_on_widget);
  renderer_.render(&painter, QRectF(rect()));
}

void PlanPanelView::resizeEvent(QResizeEvent*) {
  if (fitted_) FitRegion();
}

void PlanPanelView::wheelEvent(QWheelEvent* event) {
  if (!interactive_) return;
  ZoomAt(event->position(), std::pow(1.0015, event->angleDelta().y()));
  event->accept();
}

void PlanPanelView::mousePressEvent(QMouseEvent* event) {
  if (!interactive_ || event->button() != Qt::LeftButton) return;
  dragging_ = true;
  drag_from_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void PlanPanelView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  centre_ -= (event->position() - drag_from_) / zoom_;
  drag_from_ = event->position();
  fitted_ = false;
  update();
}

void PlanPanelView::mouseReleaseEvent(QMouseEvent*) {
  if (!dragging_) return;
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

void PlanPanelView::mouseDoubleClickEvent(QMouseEvent*) {
  if (interactive_) FitRegion();
}

bool PlanPanelView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  std::string text;
  if (floor_ != nullptr && panel_ != nullptr && layout_ != nullptr) {
    const QPointF canvas = CanvasAt(help->pos());
    text = PlanTooltip(*floor_, PlanPointOf(*panel_, layout_->bounds, {canvas.x(), canvas.y()}));
  }
  if (text.empty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), QString::fromStdString(text), this);
  }
  return true;
}

}  // namespace peltarix
