#include "MenuBarApplication.h"

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

namespace menubar {

int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log)
{
    // The menu-bar item is the program; closing the About window or an alert must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));

    ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
    platform::MessageBoxAlertPresenter alerts;
    platform::DesktopUrlOpener urlOpener;
    const auto checkInterval = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::duration<double>(contract::kCheckIntervalSec));

    MainApp mainApp({
        {runner, log, alerts, urlOpener, paths, checkInterval},
        BundleInfo::mainBundle(),
        [] { QCoreApplication::quit(); },
        [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
    });
    return QApplication::exec();
}

} // namespace menubar
