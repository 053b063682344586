#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/app_icon.h"
#include "app/dialog_font.h"
#include "app/dialog_units.h"

namespace peltarix {
namespace {

QLabel* PlainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  // Shown as it stands: no markup and no mnemonic processing.
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("PELTARIXのﾊﾞｰｼﾞｮﾝ情報"));
  setFont(DialogFont());
  const DialogUnits units(font());
  setFixedSize(units.ToPixels(QSize(235, 55)));

  icon_label_ = new QLabel(this);
  const QPixmap icon = PaintAppIcon(32);
  icon_label_->setPixmap(icon);
  icon_label_->setGeometry(QRect(units.ToPixels(QPoint(11, 17)), icon.size()));

  version_label_ = PlainLabel(QStringLiteral("PELTARIX Version " PELTARIX_VERSION), this);
  version_label_->setGeometry(units.ToPixels(40, 10, 119, 8));
  purpose_label_ = PlainLabel(QStringLiteral("QV→CSV コンバータ"), this);
  purpose_label_->setGeometry(units.ToPixels(40, 25, 119, 8));

  ok_button_ = new QPushButton(QStringLiteral("OK"), this);
  ok_button_->setGeometry(units.ToPixels(178, 7, 50, 14));
  ok_button_->setDefault(true);
  connect(ok_button_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace peltarix
