#pragma once

#include <QIcon>
#include <QString>

namespace menubar {

// One of our icons, from the images the build drew of its SVG at each size a panel, a window or a
// HiDPI screen asks for (the resources under :/icons/NAME/): each use is drawn from the nearest larger
// size, read when it is asked for, and the program loads no SVG code.
QIcon iconFromImages(const QString &name);

} // namespace menubar
