#include "app/log_list_view.h"

#include <QScrollBar>
#include <QString>

namespace peltarix {

LogListView::LogListView(QWidget* parent) : QListWidget(parent) {
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Every line is one line of text; equal heights keep appending cheap when
  // a run reports thousands of warnings.
  setUniformItemSizes(true);
  QScrollBar* bar = verticalScrollBar();
  bar->setEnabled(false);
  connect(bar, &QScrollBar::rangeChanged, bar,
          [bar](int minimum, int maximum) { bar->setEnabled(maximum > minimum); });
}

void LogListView::AppendLine(const std::string& line) {
  addItem(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void LogListView::ShowNow() {
  // The view lays new rows out only when its event loop comes round; do it
  // here so that the repaint below already shows them and the scroll bar's
  // range is up to date.
  executeDelayedItemsLayout();
  repaint();
}

void LogListView::Clear() { clear(); }

QStringList LogListView::Lines() const {
  QStringList lines;
  lines.reserve(count());
  for (int row = 0; row < count(); ++row) lines.append(item(row)->text());
  return lines;
}

}  // namespace peltarix
