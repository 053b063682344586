#include "app_test_support.h"

#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <stdexcept>

namespace peltarix::testing {
namespace {

QByteArray HouseSource(const QByteArray& main_structure) {
  return QByteArray(
             "QVINFO\n"
             "/JOHO\n"
             "//JOHO_NAME\n"
             "\x83\x65\x83\x58\x83\x67\x93\x40\n"
             "//JOHO_TNTO\n"
             "DESIGNER A\n"
             "//JOHO_BIKO\n"
             "NO REMARK\n"
             "//JOHO_KOZO\n") +
         main_structure +
         "\n"
         "ENDSEC\n"
         "/INIT\n"
         "//INIT_PH\n"
         "0\n"
         "//INIT_FL\n"
         "1\n"
         "//INIT_BS\n"
         "0\n"
         "//INIT_KISOH\n"
         "400\n"
         "ENDSEC\n"
         "/KAIJOHO\n"
         "1\n"
         "//INIT_HGTNOKI\n"
         "2900\n"
         "//INIT_KOZO\n"
         "WOOD\n"
         "//INIT_THKFLR\n"
         "450\n"
         "ENDSEC\n"
         "QVINFOEND\n";
}

}  // namespace

DialogSeams ScriptedUser::Seams() {
  return {[this](QWidget*, const QString& text, NoticeIcon icon) {
            notices.append(text);
            notice_icons.push_back(icon);
          },
          [this](QWidget*, const FileRequest& request) -> std::optional<QString> {
            file_requests.push_back(request);
            if (file_answers.empty()) return std::nullopt;
            const bool chosen = file_answers.front().has_value();
            const QString path = file_answers.front().value_or(QString());
            file_answers.pop_front();
            if (!chosen) return std::nullopt;
            return path;
          },
          [this](QWidget*, const QString& question) {
            questions.append(question);
            if (yes_no_answers.empty()) return false;
            const bool yes = yes_no_answers.front();
            yes_no_answers.pop_front();
            return yes;
          }};
}

QStringList ListLines(const QListWidget& list) {
  QStringList lines;
  for (int row = 0; row < list.count(); ++row) lines.append(list.item(row)->text());
  return lines;
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) ++paints;
  return QObject::eventFilter(watched, event);
}

QByteArray OneStoreyHouseSource() { return HouseSource("WOOD"); }

QByteArray ConcreteHouseSource() { return HouseSource("RC"); }

void UseFreshSettings() {
  static QTemporaryDir folder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
  QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("PELTARIX"),
            QStringLiteral("peltarix"))
      .clear();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write test file " + path.toStdString());
  }
}

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace peltarix::testing
