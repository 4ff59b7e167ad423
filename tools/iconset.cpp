// Renders an SVG into images at build time, so that the programs draw no SVG when they run:
//   kelvane-iconset SOURCE.svg OUTPUT.iconset          the images of a macOS icon set, for iconutil's .icns
//   kelvane-iconset SOURCE.svg OUTPUT_DIR SIDE...      OUTPUT_DIR/SIDE.png for each side, for Qt's resources

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool draw(QSvgRenderer &source, int side, const QString &path)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    source.render(&painter);
    painter.end();
    if (image.save(path))
        return true;
    std::fprintf(stderr, "kelvane-iconset: cannot write %s\n", qPrintable(path));
    return false;
}

// The sizes iconutil expects, each at its own size and at twice it for Retina screens.
bool drawIconSet(QSvgRenderer &source, const QDir &output)
{
    for (const int side : {16, 32, 128, 256, 512}) {
        for (const int scale : {1, 2}) {
            const QString name =
                QStringLiteral("icon_%1x%1%2.png").arg(side).arg(scale == 2 ? QStringLiteral("@2x") : QString());
            if (!draw(source, side * scale, output.filePath(name)))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: kelvane-iconset SOURCE.svg OUTPUT.iconset\n"
                   "       kelvane-iconset SOURCE.svg OUTPUT_DIR SIDE...\n",
                   stderr);
        return 2;
    }
    // A missing or broken source would otherwise give a set of empty images, and a blank icon.
    QSvgRenderer source(QString::fromLocal8Bit(argv[1]));
    if (!source.isValid()) {
        std::fprintf(stderr, "kelvane-iconset: %s is not an SVG image\n", argv[1]);
        return 1;
    }
    QList<int> sides;
    for (int i = 3; i < argc; ++i) {
        const int side = QByteArray(argv[i]).toInt();
        if (side < 1) {
            std::fprintf(stderr, "kelvane-iconset: %s is not a size in pixels\n", argv[i]);
            return 2;
        }
        sides.append(side);
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kelvane-iconset: cannot make %s\n", argv[2]);
        return 1;
    }
    if (sides.isEmpty())
        return drawIconSet(source, output) ? 0 : 1;
    for (const int side : sides) {
        if (!draw(source, side, output.filePath(QStringLiteral("%1.png").arg(side))))
            return 1;
    }
    return 0;
}
