#pragma once

#include <QIcon>
#include <QPixmap>

namespace peltarix {

// The program's own icon, painted in code so that no image file has to
// travel with the binary: a drawing sheet whose lines run into a table of
// records.
QPixmap PaintAppIcon(int size);

// The icon in the sizes a title bar, a task bar and the About box ask for.
QIcon AppIcon();

}  // namespace peltarix
