#include "app/app_arguments.h"

#include <QCommandLineParser>

namespace peltarix {
namespace {

void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("QVファイルを構造計算用のCSVファイルに変換するウィンドウを開きます。"));
  parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("この説明を表示して終わります。")));
  // -V as in peltarix-convert, where -v is --verbose.
  parser.addOption(QCommandLineOption({QStringLiteral("V"), QStringLiteral("version")},
                                      QStringLiteral("バージョンを表示して終わります。")));
  parser.addPositionalArgument(QStringLiteral("QVファイル"),
                               QStringLiteral("変換元QVファイル名の欄に入れるファイル。"),
                               QStringLiteral("[QVファイル]"));
}

}  // namespace

AppArguments ParseAppArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  DescribeOptions(parser);
  AppArguments result;
  // Parsing goes on past an unknown option, so help and version are seen
  // even beside options meant for Qt.
  if (!parser.parse(arguments)) result.error = parser.errorText();
  result.help = parser.isSet(QStringLiteral("help"));
  result.version = parser.isSet(QStringLiteral("version"));
  const QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) result.source = files.front();
  if (files.size() > 1 && result.error.isEmpty()) {
    result.error = QStringLiteral("QVファイルは一つだけ指定できます: %1").arg(files.join(u' '));
  }
  return result;
}

QString AppHelpText() {
  QCommandLineParser parser;
  DescribeOptions(parser);
  return parser.helpText();
}

}  // namespace peltarix
