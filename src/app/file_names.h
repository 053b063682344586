#pragma once

#include <QString>

namespace peltarix {

// The CSV a source converts to by default: the same folder and name with the
// extension ".csv" in place of the source's own. Empty when the source names
// no file (empty, or ending in a folder separator).
QString ProposedCsvPath(const QString& source_path);

// The name a saved log is offered under: the source's name without its
// extension, followed by "_log.txt".
QString LogFileName(const QString& source_path);

// True for a name with the extension ".QV" in any case.
bool IsQvFileName(const QString& path);

}  // namespace peltarix
