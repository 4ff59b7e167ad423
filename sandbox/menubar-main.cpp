// The menu-bar application on a sandbox: the shipped wiring with the sandbox's paths, its
// authorisation stand-in and a log file. Usage: sandbox-kelvane-os-agent SANDBOX
#include "AlertPresenter.h"
#include "BundleInfo.h"
#include "LogSink.h"
#include "MainApp.h"
#include "ProcessHelper.h"
#include "Sandbox.h"
#include "UrlOpener.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>

#include <chrono>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: sandbox-kelvane-os-agent SANDBOX");
        return 2;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));

    const sandbox::Sandbox box(QString::fromLocal8Bit(argv[1]));
    const contract::AgentPaths paths = box.paths();
    menubar::ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
    platform::FileLogSink log(box.logFile());
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
