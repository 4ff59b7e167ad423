// The menu-bar application on a scripted daemon state, for docs/screenshots/make-menubar-screenshots.sh.
// Usage: menubar-screenshot-demo running|stopped [about]. No administrator command can run from here.
#include "AppMenu.h"
#include "BundleInfo.h"
#include "MainApp.h"
#include "MenuFakes.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));
    const QStringList arguments = QApplication::arguments();

    ControllerFakes fakes;
    fakes.runner.daemonRunning = arguments.value(1) == QLatin1String("running");
    platform::MessageBoxAlertPresenter alerts;
    menubar::MainApp mainApp({
        {fakes.runner, fakes.log, alerts, fakes.urlOpener, fakes.dependencies().paths, std::chrono::milliseconds(500)},
        menubar::BundleInfo::mainBundle(),
        [] { QCoreApplication::quit(); },
        [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
    });
    if (arguments.contains(QLatin1String("about")))
        QTimer::singleShot(0, mainApp.menu().aboutAction(), &QAction::trigger);
    return app.exec();
}
