#pragma once

#include <QString>

namespace peltarix {

// The line printed when the window has no display to open on.
QString NoDisplayMessage();

// Watches the start of the window system from just before the QApplication
// is made until DisplayStarted(). Qt ends a process that finds no display
// with an abort and several lines about plugins; under the watch it prints
// NoDisplayMessage() on standard error instead and exits with status 1.
// Qt's other messages of that time are held back and passed on only if the
// start succeeds.
void WatchDisplayStart();
void DisplayStarted();

}  // namespace peltarix
