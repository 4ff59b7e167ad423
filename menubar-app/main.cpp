#include "AgentPaths.h"
#include "AlertPresenter.h"
#include "BundleInfo.h"
#include "LogSink.h"
#include "MainApp.h"
#include "ProcessHelper.h"
#include "UrlOpener.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>

#include <chrono>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The menu-bar item is the program; closing the About window or an alert must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));

    const contract::AgentPaths paths;
    menubar::ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
    platform::SystemLogSink log;
    platform::MessageBoxAlertPresenter alerts;
    platform::DesktopUrlOpener urlOpener;
    const auto checkInterval = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::duration<double>(contract::kCheckIntervalSec));

    menubar::MainApp mainApp({
        {runner, log, alerts, urlOpener, paths, checkInterval},
        menubar::BundleInfo::mainBundle(),
        [] { QCoreApplication::quit(); },
        [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
    });
    return app.exec();
}
