#pragma once

#include <QPointF>
#include <QRectF>
#include <QSvgRenderer>
#include <QWidget>

#include "preview/plan_layout.h"
#include "preview/plan_model.h"

namespace peltarix {

// One region of the plan picture (a floor's panel, the roof's, or the
// legend) drawn from the SVG. The wheel zooms about the pointer, a drag
// pans, a double click fits the region again; over a floor, the tooltip
// names the room or column under the pointer.
class PlanPanelView : public QWidget {
  Q_OBJECT

 public:
  // `floor` may be null (the roof and the legend have no tooltips);
  // `interactive` false keeps the region fitted.
  PlanPanelView(const QByteArray& svg, QRectF region, const PlanLayout* layout,
                const PlanPanel* panel, const PlanFloor* floor, bool interactive,
                QWidget* parent = nullptr);

  double zoom() const { return zoom_; }
  QPointF centre() const { return centre_; }
  // The canvas point under a widget point.
  QPointF CanvasAt(QPointF widget_point) const;
  void FitRegion();
  // Zooms by `factor` keeping the canvas point under `widget_point` in place.
  void ZoomAt(QPointF widget_point, double factor);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QSvgRenderer renderer_;
  QRectF region_;
  const PlanLayout* layout_;
  const PlanPanel* panel_;
  const PlanFloor* floor_;
  bool interactive_;
  bool fitted_ = true;
  double zoom_ = 1.0;  // widget pixels per canvas pixel
  QPointF centre_;     // canvas point at the widget's centre
  QPointF drag_from_;
  bool dragging_ = false;
};

}  // namespace peltarix
