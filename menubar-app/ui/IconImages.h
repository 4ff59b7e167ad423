#pragma once

#include <QIcon>
#include <QString>

namespace menubar {

// One of our icons, from the images the build drew of its SVG at each size a panel, a window or a
// HiDPI screen asks for (the resources under :/icons/NAME/): Qt picks the nearest size for each use,
// and the program loads no SVG code.
QIcon iconFromImages(const QString &name);

} // namespace menubar
