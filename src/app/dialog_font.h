#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace peltarix {

// The Japanese Gothic faces the windows are designed for, best first: the
// proportional face they were laid out with, then the free proportional and
// fixed-pitch Gothic faces that the build installs.
QStringList PreferredDialogFamilies();

// The first of the preferred families that is installed; empty when none is.
QString InstalledDialogFamily();

// The windows' font: a Japanese Gothic face at 9 points.
QFont DialogFont();

}  // namespace peltarix
