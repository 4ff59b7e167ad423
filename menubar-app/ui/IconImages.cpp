#include "menubar-app/ui/IconImages.h"

#include <QDir>

namespace menubar {

QIcon iconFromImages(const QString &name)
{
    QIcon icon;
    const QDir images(QStringLiteral(":/icons/") + name);
    // Each image added at its own size, which Qt reads from the file.
    for (const QString &image : images.entryList(QDir::Files))
        icon.addFile(images.filePath(image));
    return icon;
}

} // namespace menubar
