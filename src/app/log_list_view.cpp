#include "app/log_list_view.h"

#include <QAction>
#include <QEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QString>
#include <QStyle>

namespace peltarix {
namespace {

// Kept on each item, so that a change of theme can recolour it.
constexpr int kSeverityRole = Qt::UserRole + 1;

// A red and an amber that stay readable on the list's background: deep
// shades on a light base, pale ones on a dark base.
QColor SeverityColour(LineSeverity severity, const QPalette& palette) {
  const bool dark = palette.color(QPalette::Base).lightness() < 128;
  if (severity == LineSeverity::kError) return dark ? QColor(255, 120, 120) : QColor(176, 0, 32);
  return dark ? QColor(255, 200, 90) : QColor(140, 85, 0);
}

}  // namespace

LogListView::LogListView(QWidget* parent) : QListWidget(parent) {
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Every line is one line of text; equal heights keep appending cheap when
  // a run reports thousands of warnings.
  setUniformItemSizes(true);
  LoadIcons();
  QScrollBar* bar = verticalScrollBar();
  bar->setEnabled(false);
  connect(bar, &QScrollBar::rangeChanged, bar,
          [bar](int minimum, int maximum) { bar->setEnabled(maximum > minimum); });
  // A new line leaves the range's end behind without moving the value, so
  // only a change of the value itself (the reader's or ours) decides.
  connect(bar, &QScrollBar::valueChanged, this,
          [this, bar](int value) { follow_end_ = value >= bar->maximum(); });
  BuildActions();
}

void LogListView::BuildActions() {
  copy_action_ = new QAction(QStringLiteral("コピー(&C)"), this);
  copy_action_->setShortcut(QKeySequence::Copy);
  copy_action_->setShortcutContext(Qt::WidgetShortcut);

  auto* select_all = new QAction(QStringLiteral("すべて選択(&A)"), this);
  select_all->setShortcut(QKeySequence::SelectAll);
  select_all->setShortcutContext(Qt::WidgetShortcut);
  connect(select_all, &QAction::triggered, this, &QListWidget::selectAll);

  auto* separator = new QAction(this);
  separator->setSeparator(true);
  save_action_ = new QAction(QStringLiteral("ログを保存…"), this);

  addActions({copy_action_, select_all, separator, save_action_});
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void LogListView::LoadIcons() {
  const int line_height = fontMetrics().height();
  setIconSize(QSize(line_height, line_height));
  QPixmap blank(iconSize());
  blank.fill(Qt::transparent);
  blank_icon_ = QIcon(blank);
  error_icon_ = style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this);
  warning_icon_ = style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
}

void LogListView::StyleItem(QListWidgetItem& item, LineSeverity severity) const {
  item.setData(kSeverityRole, static_cast<int>(severity));
  if (severity == LineSeverity::kPlain) {
    item.setIcon(blank_icon_);
    item.setData(Qt::ForegroundRole, QVariant());
    return;
  }
  item.setIcon(severity == LineSeverity::kError ? error_icon_ : warning_icon_);
  item.setForeground(SeverityColour(severity, palette()));
}

void LogListView::AppendLogLine(const LogLine& line) {
  auto* item = new QListWidgetItem(QString::fromStdString(line.text));
  // A line wider than the list is cut short on screen; its tip shows it whole.
  item->setToolTip(item->text());
  StyleItem(*item, line.severity);
  addItem(item);
}

void LogListView::ShowNow() {
  // The view lays new rows out only when its event loop comes round; do it
  // here so that the scroll range is up to date and the repaint below
  // already shows them.
  executeDelayedItemsLayout();
  if (follow_end_) scrollToBottom();
  repaint();
}

void LogListView::Clear() {
  clear();
  follow_end_ = true;
}

std::vector<std::size_t> LogListView::SelectedRows() const {
  std::vector<std::size_t> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    rows.push_back(static_cast<std::size_t>(index.row()));
  }
  return rows;
}

void LogListView::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  // A switch between light and dark themes recolours the marked lines.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
      event->type() == QEvent::FontChange) {
    LoadIcons();
    for (int row = 0; row < count(); ++row) {
      QListWidgetItem& line = *item(row);
      StyleItem(line, static_cast<LineSeverity>(line.data(kSeverityRole).toInt()));
    }
  }
}

}  // namespace peltarix
