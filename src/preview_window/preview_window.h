#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "preview/plan_layout.h"
#include "preview/plan_model.h"

class QPushButton;
class QTabWidget;

namespace peltarix {

class PlanPanelView;

// Asks where to save: the dialog's title, the suggested path and the filter;
// empty when the user cancels. Tests answer without a dialog.
using SavePathChooser =
    std::function<std::optional<QString>(QWidget*, const QString&, const QString&, const QString&)>;
SavePathChooser InteractiveSavePathChooser();

// The plan picture of one run in its own resizable window: a tab per floor,
// one per storey's roofs and one for the legend, each fitted to the view, and
// buttons that save the SVG or a PNG of it. Escape closes it.
class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // `svg` is RenderPlanSvg of `model`; `base_path` (without extension)
  // suggests the names to save under.
  PreviewWindow(QByteArray svg, PlanModel model, QString base_path,
                SavePathChooser choose = InteractiveSavePathChooser(), QWidget* parent = nullptr);

  QTabWidget* tabs() const { return tabs_; }
  QPushButton* save_svg_button() const { return save_svg_button_; }
  QPushButton* save_png_button() const { return save_png_button_; }
  const PlanLayout& layout() const { return layout_; }

  // Write the SVG as it is, or the whole picture as a PNG at its own size.
  // False (after telling the user) when the file cannot be written.
  bool SaveSvg(const QString& path);
  bool SavePng(const QString& path);

 private:
  void OnSaveSvg();
  void OnSavePng();
  void ReportFailure(const QString& path, const QString& reason);

  QByteArray svg_;
  PlanModel model_;
  PlanLayout layout_;
  QString base_path_;
  SavePathChooser choose_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* save_svg_button_ = nullptr;
  QPushButton* save_png_button_ = nullptr;
};

}  // namespace peltarix
