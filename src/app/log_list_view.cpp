#include "app/log_list_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QString>
#include <QStyle>
#include <algorithm>
#include <optional>
#include <string_view>

#include "run/output_policy.h"

namespace peltarix {
namespace {

enum class LineKind { kPlain, kError, kWarning };

LineKind KindOf(const QString& line) {
  // The prefixes are fixed texts of the log; detail lines ("詳細：") and
  // every other line are plain information.
  static const QString error_prefix = QString::fromUtf8(kErrorPrefix.data(), kErrorPrefix.size());
  static const QString warning_prefix =
      QString::fromUtf8(kWarningPrefix.data(), kWarningPrefix.size());
  if (line.startsWith(error_prefix)) return LineKind::kError;
  if (line.startsWith(warning_prefix)) return LineKind::kWarning;
  return LineKind::kPlain;
}

// A red and an amber that stay readable on the list's background: deep
// shades on a light base, pale ones on a dark base.
QColor KindColour(LineKind kind, const QPalette& palette) {
  const bool dark = palette.color(QPalette::Base).lightness() < 128;
  if (kind == LineKind::kError) return dark ? QColor(255, 120, 120) : QColor(176, 0, 32);
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
  connect(copy_action_, &QAction::triggered, this, &LogListView::CopySelection);

  select_all_action_ = new QAction(QStringLiteral("すべて選択(&A)"), this);
  select_all_action_->setShortcut(QKeySequence::SelectAll);
  select_all_action_->setShortcutContext(Qt::WidgetShortcut);
  connect(select_all_action_, &QAction::triggered, this, &QListWidget::selectAll);

  auto* separator = new QAction(this);
  separator->setSeparator(true);
  save_action_ = new QAction(QStringLiteral("ログを保存…"), this);

  addActions({copy_action_, select_all_action_, separator, save_action_});
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

void LogListView::StyleItem(QListWidgetItem& item) const {
  const LineKind kind = KindOf(item.text());
  if (kind == LineKind::kPlain) {
    item.setIcon(blank_icon_);
    item.setData(Qt::ForegroundRole, QVariant());
    return;
  }
  item.setIcon(kind == LineKind::kError ? error_icon_ : warning_icon_);
  item.setForeground(KindColour(kind, palette()));
}

void LogListView::AppendLine(const std::string& line) {
  auto* item =
      new QListWidgetItem(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  // A line wider than the list is cut short on screen; its tip shows it whole.
  item->setToolTip(item->text());
  StyleItem(*item);
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

QStringList LogListView::Lines() const {
  QStringList lines;
  lines.reserve(count());
  for (int row = 0; row < count(); ++row) lines.append(item(row)->text());
  return lines;
}

QString LogListView::SelectedText() const {
  QModelIndexList selected = selectionModel()->selectedRows();
  if (selected.isEmpty()) return Lines().join(u'\n');
  // The selection keeps the order in which lines were picked.
  std::sort(selected.begin(), selected.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QStringList lines;
  for (const QModelIndex& index : selected) lines.append(item(index.row())->text());
  return lines.join(u'\n');
}

void LogListView::CopySelection() const { QApplication::clipboard()->setText(SelectedText()); }

bool LogListView::SaveTo(const QString& path, QString& reason) const {
  QByteArray bytes;
  for (const QString& line : Lines()) bytes += line.toUtf8() + "\r\n";
  // Through the output policy's writer, as the CSV: an earlier log under the
  // name stays whole until the new one is complete, and a failure says why
  // in Japanese.
  const std::optional<FileFailure> failure =
      WriteOutputFile(path.toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!failure) return true;
  const std::string_view text = failure->reason_text();
  reason = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return false;
}

void LogListView::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  // A switch between light and dark themes recolours the marked lines.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
      event->type() == QEvent::FontChange) {
    LoadIcons();
    for (int row = 0; row < count(); ++row) StyleItem(*item(row));
  }
}

}  // namespace peltarix
