// The yardstick for the menu-bar application: a Qt tray item with an icon and a two-entry menu,
// and nothing else. Usage: minimal-tray
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    // Painted rather than loaded, so that no image plug-in is involved.
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(3, 3, 16, 16));
    painter.end();

    QMenu menu;
    menu.addAction(QStringLiteral("About"));
    QAction *quit = menu.addAction(QStringLiteral("Quit"));
    QObject::connect(quit, &QAction::triggered, &app, &QCoreApplication::quit);

    QSystemTrayIcon icon{QIcon(pixmap)};
    icon.setContextMenu(&menu);
    icon.show();
    return QApplication::exec();
}
