#include "app/app_icon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

namespace peltarix {
namespace {

// The icon is drawn on a 32 by 32 grid and scaled to the requested size.
constexpr double kGrid = 32.0;

void PaintPlanSheet(QPainter& painter) {
  const QRectF sheet(2, 3, 17, 22);
  painter.setPen(QPen(QColor(40, 70, 120), 1.2));
  painter.setBrush(QColor(235, 242, 255));
  painter.drawRect(sheet);
  // A small house plan: outer walls and one inner wall.
  painter.setPen(QPen(QColor(30, 90, 180), 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(5, 9, 11, 12));
  painter.drawLine(QPointF(5, 15), QPointF(12, 15));
  // The roof over it.
  painter.drawPolyline(QPolygonF({QPointF(4, 10), QPointF(10.5, 5), QPointF(17, 10)}));
}

void PaintRecordTable(QPainter& painter) {
  const QRectF table(17, 9, 13, 20);
  painter.setPen(QPen(QColor(30, 100, 50), 1.2));
  painter.setBrush(QColor(240, 255, 240));
  painter.drawRect(table);
  painter.setPen(QPen(QColor(30, 100, 50), 1.0));
  for (double y = 13; y < 29; y += 4) painter.drawLine(QPointF(17, y), QPointF(30, y));
  painter.drawLine(QPointF(21.5, 9), QPointF(21.5, 29));
}

void PaintArrow(QPainter& painter) {
  QPainterPath arrow;
  arrow.moveTo(9, 27);
  arrow.lineTo(15, 27);
  arrow.lineTo(15, 24.5);
  arrow.lineTo(20, 28.5);
  arrow.lineTo(15, 32);
  arrow.lineTo(15, 29.5);
  arrow.lineTo(9, 29.5);
  arrow.closeSubpath();
  painter.setPen(QPen(QColor(150, 60, 0), 0.8));
  painter.setBrush(QColor(245, 140, 30));
  painter.drawPath(arrow.translated(0, -2));
}

}  // namespace

QPixmap PaintAppIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  PaintPlanSheet(painter);
  PaintRecordTable(painter);
  PaintArrow(painter);
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(PaintAppIcon(size));
  return icon;
}

}  // namespace peltarix
