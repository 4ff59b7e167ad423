// Renders an SVG into the images of a macOS icon set, from which iconutil makes a bundle's .icns:
//   kelvane-iconset SOURCE.svg OUTPUT.iconset

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: kelvane-iconset SOURCE.svg OUTPUT.iconset\n", stderr);
        return 2;
    }
    // A missing or broken source would otherwise give a set of empty images, and a blank icon.
    QSvgRenderer source(QString::fromLocal8Bit(argv[1]));
    if (!source.isValid()) {
        std::fprintf(stderr, "kelvane-iconset: %s is not an SVG image\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kelvane-iconset: cannot make %s\n", argv[2]);
        return 1;
    }
    // The sizes iconutil expects, each at its own size and at twice it for Retina screens.
    for (const int side : {16, 32, 128, 256, 512}) {
        for (const int scale : {1, 2}) {
            QImage image(side * scale, side * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            source.render(&painter);
            painter.end();
            const QString name =
                QStringLiteral("icon_%1x%1%2.png").arg(side).arg(scale == 2 ? QStringLiteral("@2x") : QString());
            if (!image.save(output.filePath(name))) {
                std::fprintf(stderr, "kelvane-iconset: cannot write %s\n", qPrintable(output.filePath(name)));
                return 1;
            }
        }
    }
    return 0;
}
