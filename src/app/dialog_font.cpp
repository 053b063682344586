#include "app/dialog_font.h"

#include <QFontDatabase>

namespace peltarix {

QStringList PreferredDialogFamilies() {
  return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
          QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
          QStringLiteral("Noto Sans CJK JP")};
}

QString InstalledDialogFamily() {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : PreferredDialogFamilies()) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return {};
}

QFont DialogFont() {
  QFont font;
  const QString family = InstalledDialogFamily();
  if (!family.isEmpty()) {
    font.setFamily(family);
  } else {
    // No known face: let font matching find any face that covers Japanese.
    font.setFamilies(PreferredDialogFamilies());
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSize(9);
  return font;
}

}  // namespace peltarix
