#include "preview_window/preview_window.h"

#include <QBuffer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "preview/preview_file.h"
#include "preview_window/plan_panel_view.h"

namespace peltarix {
namespace {

// The share of the screen's free area the window takes at first.
constexpr double kScreenShare = 0.85;
constexpr double kLegendMargin = 12.0;

QRectF PanelRect(const PlanPanel& panel) {
  return {panel.left, panel.top, panel.width, panel.height};
}

const PlanFloor* FloorOf(const PlanModel& model, int floor) {
  for (const PlanFloor& plan : model.floors) {
    if (plan.floor == floor) return &plan;
  }
  return nullptr;
}

}  // namespace

SavePathChooser InteractiveSavePathChooser() {
  return [](QWidget* parent, const QString& title, const QString& suggested,
            const QString& filter) -> std::optional<QString> {
    const QString chosen = QFileDialog::getSaveFileName(parent, title, suggested, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
  };
}

PreviewWindow::PreviewWindow(QByteArray svg, PlanModel model, QString base_path,
                             SavePathChooser choose, QWidget* parent)
    : QWidget(parent, Qt::Window),
      svg_(std::move(svg)),
      model_(std::move(model)),
      layout_(LayoutPlan(model_)),
      base_path_(std::move(base_path)),
      choose_(std::move(choose)) {
  setWindowTitle(QStringLiteral("プレビュー - PELTARIX"));
  setAttribute(Qt::WA_DeleteOnClose);

  tabs_ = new QTabWidget(this);
  for (const PlanPanel& panel : layout_.panels) {
    const PlanFloor* floor = panel.roof ? nullptr : FloorOf(model_, panel.floor);
    tabs_->addTab(new PlanPanelView(svg_, PanelRect(panel), &layout_, &panel, floor, true, tabs_),
                  QString::fromStdString(panel.title));
  }
  // The legend has a tab of its own: beside or below the plan it would take
  // the room the plan needs.
  // A margin around it: the scale bar's first number stands half outside.
  const QRectF legend_region =
      QRectF(layout_.legend_left, layout_.legend_top, layout_.legend_width, layout_.legend_height)
          .adjusted(-kLegendMargin, -kLegendMargin, kLegendMargin, kLegendMargin);
  tabs_->addTab(new PlanPanelView(svg_, legend_region, nullptr, nullptr, nullptr, false, tabs_),
                QStringLiteral("凡例"));

  auto* hint = new QLabel(
      QStringLiteral("ホイールで拡大・縮小、ドラッグで移動、ダブルクリックで全体表示"), this);
  save_svg_button_ = new QPushButton(QStringLiteral("SVGで保存…"), this);
  save_png_button_ = new QPushButton(QStringLiteral("PNGで保存…"), this);
  auto* close_button = new QPushButton(QStringLiteral("閉じる"), this);
  connect(save_svg_button_, &QPushButton::clicked, this, &PreviewWindow::OnSaveSvg);
  connect(save_png_button_, &QPushButton::clicked, this, &PreviewWindow::OnSavePng);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(hint, 1);
  buttons->addWidget(save_svg_button_);
  buttons->addWidget(save_png_button_);
  buttons->addWidget(close_button);
  auto* column = new QVBoxLayout(this);
  column->addWidget(tabs_, 1);
  column->addLayout(buttons);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  // Sized from the screen's free area, so that the buttons stay on it at any
  // scale factor.
  const QRect free_area = screen()->availableGeometry();
  resize(static_cast<int>(free_area.width() * kScreenShare),
         static_cast<int>(free_area.height() * kScreenShare));
}

bool PreviewWindow::SaveSvg(const QString& path) {
  const std::string utf8 = path.toStdString();
  if (const auto failure = WritePreviewFile(utf8, std::string_view(svg_.data(), svg_.size()))) {
    ReportFailure(QString::fromStdString(*failure));
    return false;
  }
  return true;
}

bool PreviewWindow::SavePng(const QString& path) {
  QSvgRenderer renderer(svg_);
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
  }
  // Encoded in memory, then written as every output is: beside the old
  // file and renamed over it, so a failure leaves the old picture whole.
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QBuffer::WriteOnly) || !image.save(&buffer, "PNG")) {
    ReportFailure(path + QStringLiteral("：PNGを作成できません"));
    return false;
  }
  if (const auto failure =
          WritePreviewFile(path.toStdString(), std::string_view(png.constData(), png.size()))) {
    ReportFailure(QString::fromStdString(*failure));
    return false;
  }
  return true;
}

void PreviewWindow::ReportFailure(const QString& detail) {
  QMessageBox::warning(this, QStringLiteral("PELTARIX"),
                       QStringLiteral("保存できませんでした。\n詳細：%1").arg(detail));
}

void PreviewWindow::OnSaveSvg() {
  if (const auto path =
          choose_(this, QStringLiteral("SVGで保存"), base_path_ + QStringLiteral(".svg"),
                  QStringLiteral("SVG (*.svg)"))) {
    SaveSvg(*path);
  }
}

void PreviewWindow::OnSavePng() {
  if (const auto path =
          choose_(this, QStringLiteral("PNGで保存"), base_path_ + QStringLiteral(".png"),
                  QStringLiteral("PNG (*.png)"))) {
    SavePng(*path);
  }
}

}  // namespace peltarix
