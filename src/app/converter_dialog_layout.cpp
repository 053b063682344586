// The main window's controls, each at the place and size its dialog
// template gives in dialog units. The controls are created in the
// template's order, which is also their tab order and stacking order: the
// check boxes come after their group box and so lie on top of its frame.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/converter_dialog.h"
#include "app/dialog_font.h"
#include "app/dialog_units.h"
#include "app/log_list_view.h"

namespace peltarix {
namespace {

struct Place {
  int x;
  int y;
  int width;
  int height;
};

constexpr QSize kClientSize(303, 277);

constexpr Place kSourceLabel{13, 21, 62, 15};
constexpr Place kSourceEdit{82, 17, 170, 15};
constexpr Place kBrowseSource{258, 17, 24, 15};
constexpr Place kDestinationLabel{13, 41, 65, 9};
constexpr Place kDestinationEdit{82, 37, 170, 15};
constexpr Place kBrowseDestination{258, 38, 24, 15};
constexpr Place kKindsGroup{11, 63, 230, 87};
constexpr Place kPreview{244, 114, 52, 16};
constexpr Place kExecute{244, 134, 52, 16};
constexpr Place kLogList{11, 161, 285, 87};
constexpr Place kClose{244, 254, 52, 16};

struct KindBox {
  const char* caption;
  Place place;
};

// In the run's order. The template's columns: basic information, building
// outline and columns on the left, perimeter, rooms and roofs on the right.
constexpr KindBox kKindBoxes[ConverterDialog::kKindCount] = {
    {"基本情報", {30, 82, 39, 11}}, {"建物概要", {30, 99, 48, 11}}, {"柱", {30, 116, 23, 10}},
    {"外周", {93, 82, 30, 10}},     {"部屋", {93, 99, 30, 10}},     {"屋根", {93, 116, 30, 10}},
};

void PlaceAt(QWidget* widget, const DialogUnits& units, const Place& place) {
  widget->setGeometry(units.ToPixels(place.x, place.y, place.width, place.height));
}

// A static text of the template: left-aligned from the top, wrapping at the
// control's edge.
QLabel* StaticText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

}  // namespace

void ConverterDialog::BuildControls() {
  setFont(DialogFont());
  const DialogUnits units(font());
  setFixedSize(units.ToPixels(kClientSize));

  source_label_ = StaticText(QStringLiteral("変換元QVファイル名"), this);
  PlaceAt(source_label_, units, kSourceLabel);
  source_edit_ = new QLineEdit(this);
  PlaceAt(source_edit_, units, kSourceEdit);
  browse_source_button_ = new QPushButton(QStringLiteral("参照"), this);
  PlaceAt(browse_source_button_, units, kBrowseSource);

  destination_label_ = StaticText(QStringLiteral("出力先CSVファイル名"), this);
  PlaceAt(destination_label_, units, kDestinationLabel);
  destination_edit_ = new QLineEdit(this);
  PlaceAt(destination_edit_, units, kDestinationEdit);
  browse_destination_button_ = new QPushButton(QStringLiteral("参照"), this);
  PlaceAt(browse_destination_button_, units, kBrowseDestination);

  kinds_group_ = new QGroupBox(QStringLiteral("コンバート対象データ"), this);
  PlaceAt(kinds_group_, units, kKindsGroup);
  for (int kind = 0; kind < kKindCount; ++kind) {
    auto* box = new QCheckBox(QString::fromUtf8(kKindBoxes[kind].caption), this);
    PlaceAt(box, units, kKindBoxes[kind].place);
    kind_boxes_[static_cast<std::size_t>(kind)] = box;
  }

  preview_button_ = new QPushButton(QStringLiteral("プレビュー"), this);
  PlaceAt(preview_button_, units, kPreview);
  preview_button_->setEnabled(false);
  execute_button_ = new QPushButton(QStringLiteral("実行"), this);
  PlaceAt(execute_button_, units, kExecute);
  log_list_ = new LogListView(this);
  PlaceAt(log_list_, units, kLogList);
  close_button_ = new QPushButton(QStringLiteral("終了"), this);
  PlaceAt(close_button_, units, kClose);
  // The default button: Enter in a field closes the window, it starts no run.
  close_button_->setDefault(true);
}

}  // namespace peltarix
