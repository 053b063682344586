#include "app/display_guard.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace peltarix {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler previous_handler = nullptr;

QList<HeldMessage>& HeldMessages() {
  static QList<HeldMessage> messages;
  return messages;
}

void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt is about to abort; nothing of the half-made application may run.
    std::fputs(NoDisplayMessage().toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  HeldMessages().append({type, QByteArray(context.category ? context.category : ""), text});
}

}  // namespace

QString NoDisplayMessage() {
  return QStringLiteral(
      "peltarix: ウィンドウを開く画面がありません（DISPLAY または WAYLAND_DISPLAY を確かめるか、"
      "xvfb-run peltarix で起動してください。コマンドラインでは peltarix-convert が使えます）");
}

void WatchDisplayStart() { previous_handler = qInstallMessageHandler(HoldOrExit); }

void DisplayStarted() {
  qInstallMessageHandler(previous_handler);
  for (const HeldMessage& message : HeldMessages()) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  HeldMessages().clear();
}

}  // namespace peltarix
