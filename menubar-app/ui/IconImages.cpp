#include "menubar-app/ui/IconImages.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace menubar {

QIcon iconFromImages(const QString &name)
{
    QIcon icon;
    const QDir images(QStringLiteral(":/icons/") + name);
    for (const QString &image : images.entryList(QDir::Files)) {
        // Told the format and not to guess, Qt reads a PNG itself. Otherwise (QIcon::addFile too) it first loads
        // every image format plug-in to offer each the file, Qt Svg's among them.
        QImageReader reader(images.filePath(image), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace menubar
