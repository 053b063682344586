#pragma once

#include <QString>
#include <QStringList>

namespace peltarix {

// The window's command line: `peltarix [QVファイル]`, with --help and
// --version.
struct AppArguments {
  bool help = false;
  bool version = false;
  // The file that fills the source field; empty when none was named.
  QString source;
  // Why the line cannot be used (an unknown option, a second file); empty
  // when it can.
  QString error;
};

// Reads `arguments` (the program's name first). Options that Qt itself
// takes (-platform, -style, ...) must already be removed for `error` to be
// meaningful; help and version are found either way.
AppArguments ParseAppArguments(const QStringList& arguments);

// The text --help prints.
QString AppHelpText();

}  // namespace peltarix
