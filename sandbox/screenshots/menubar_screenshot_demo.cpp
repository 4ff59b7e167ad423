// The menu-bar application on a scripted daemon state, for make-menubar-screenshots.sh.
// Usage: menubar-screenshot-demo running|stopped [about]. No administrator command can run from here.
#include "menubar-app/service/ProcessRunner.h"
#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MainApp.h"
#include "platform/LogSink.h"
#include "platform/UrlOpener.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// A process table with or without the daemon; administrator commands do nothing.
struct ScriptedRunner : menubar::ProcessRunner
{
    bool daemonRunning = false;
    QString executeProcess(const QString &, const QStringList &) override
    {
        return daemonRunning ? "COMM\nqmx-osagent\n" : "COMM\n";
    }
    QString executeAsRoot(const QString &) override { return QString(); }
};

struct NoUrlOpener : platform::UrlOpener
{
    bool openUrl(const QUrl &) override { return false; }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));
    ScriptedRunner runner;
    runner.daemonRunning = QApplication::arguments().value(1) == QLatin1String("running");
    platform::CapturingLogSink log;
    platform::MessageBoxAlertPresenter alerts;
    NoUrlOpener urls;
    contract::AgentPaths paths;
    paths.installedConfigFile.clear(); // not enrolled: the daemon is never started from here
    menubar::MainApp mainApp({
        {runner, log, alerts, urls, paths, std::chrono::milliseconds(500)},
        menubar::BundleInfo::mainBundle(),
        [] { QCoreApplication::quit(); },
        [] { return QSystemTrayIcon::isSystemTrayAvailable(); },
    });
    if (QApplication::arguments().contains(QLatin1String("about")))
        QTimer::singleShot(0, mainApp.menu().aboutAction(), &QAction::trigger);
    return app.exec();
}
