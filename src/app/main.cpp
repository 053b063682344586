#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app/app_arguments.h"
#include "app/converter_app.h"
#include "app/display_guard.h"

namespace {

QStringList ArgumentList(int argc, char** argv) {
  QStringList arguments;
  for (int index = 0; index < argc; ++index) arguments.append(QString::fromLocal8Bit(argv[index]));
  return arguments;
}

void PrintLine(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  if (!text.endsWith(u'\n')) std::fputc('\n', stream);
}

}  // namespace

int main(int argc, char** argv) {
  // Help and version need no display: they are answered before the window
  // system starts.
  const peltarix::AppArguments early = peltarix::ParseAppArguments(ArgumentList(argc, argv));
  if (early.help || early.version) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("peltarix"));
    peltarix::LoadJapaneseTranslations();
    PrintLine(stdout,
              early.help ? peltarix::AppHelpText() : QStringLiteral("PELTARIX " PELTARIX_VERSION));
    return 0;
  }

  peltarix::WatchDisplayStart();
  QApplication application(argc, argv);
  peltarix::DisplayStarted();
  peltarix::LoadJapaneseTranslations();

  // Qt has taken its own options out of the list by now.
  const peltarix::AppArguments arguments = peltarix::ParseAppArguments(QApplication::arguments());
  if (!arguments.error.isEmpty()) {
    PrintLine(stderr, QStringLiteral("peltarix: ") + arguments.error);
    return 2;
  }
  return peltarix::ConverterApp().InitInstance(arguments.source);
}
