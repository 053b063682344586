#pragma once

#include <QByteArray>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "app/seams.h"

namespace peltarix::testing {

// Stands in for the person at the window: records every notice and every
// file request, and answers file requests from a queue (nothing = cancel).
class ScriptedUser {
 public:
  DialogSeams Seams();

  QStringList notices;
  std::vector<NoticeIcon> notice_icons;
  std::vector<FileRequest> file_requests;
  std::deque<std::optional<QString>> file_answers;
  // Questions asked; answered from the queue, いいえ when it is empty.
  QStringList questions;
  std::deque<bool> yes_no_answers;
};

// The lines of a log list as shown, oldest first.
QStringList ListLines(const QListWidget& list);

// A one-storey wooden house the run accepts: a CP932 project name
// (\x83\x65\x83\x58\x83\x67\x93\x40), designer, remark, foundation and
// storey heights, and no plan sections, so the plan converters only warn.
QByteArray OneStoreyHouseSource();

// The same house built in reinforced concrete, which validation rejects.
QByteArray ConcreteHouseSource();

// Counts the paint events of the widget it is installed on.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Points the window's remembered settings at an empty file in a temporary
// folder of the test process, so that no test reads or changes the user's
// own settings and each test starts from nothing. Call it before each test.
void UseFreshSettings();

void WriteFileBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadFileBytes(const QString& path);

}  // namespace peltarix::testing
