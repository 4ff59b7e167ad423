#include "menubar-app/ui/IconImages.h"

#include <QDir>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace menubar {

namespace {

// Reads the image of each size when it is asked for, and keeps none: a tray paints one size now and then,
// and an X window is handed every size once, so keeping them all would hold memory for nothing. Drawn the
// same in every mode: none of ours is shown disabled or selected.
class ImagesIconEngine final : public QIconEngine
{
public:
    explicit ImagesIconEngine(const QString &name)
        : m_images(QStringLiteral(":/icons/") + name)
    {
        for (const QString &image : m_images.entryList(QDir::Files))
            m_sides.append(QFileInfo(image).completeBaseName().toInt());
        std::sort(m_sides.begin(), m_sides.end());
    }

    QIconEngine *clone() const override { return new ImagesIconEngine(*this); }
    QString key() const override { return QStringLiteral("KelvaneImages"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : m_sides)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min({sideFor(size), size.width(), size.height()});
        return QSize(side, side);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    // In device pixels, as QIcon asks for it at any scale.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // Told the format and not to guess, Qt reads a PNG itself. Otherwise it first loads every image format
        // plug-in to offer each the file, Qt Svg's among them.
        QImageReader reader(m_images.filePath(QString::number(sideFor(size)) + QStringLiteral(".png")), "png");
        reader.setAutoDetectImageFormat(false);
        QPixmap pixmap = QPixmap::fromImage(reader.read());
        if (pixmap.width() > size.width() || pixmap.height() > size.height())
            return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return pixmap;
    }

private:
    // The smallest image at least as large as asked, else the largest: drawn smaller, never larger.
    int sideFor(const QSize &size) const
    {
        if (m_sides.isEmpty())
            return 0;
        const int wanted = std::max(size.width(), size.height());
        const auto larger = std::lower_bound(m_sides.cbegin(), m_sides.cend(), wanted);
        return larger == m_sides.cend() ? m_sides.constLast() : *larger;
    }

    QDir m_images;
    QList<int> m_sides;
};

} // namespace

QIcon iconFromImages(const QString &name)
{
    return QIcon(new ImagesIconEngine(name));
}

} // namespace menubar
