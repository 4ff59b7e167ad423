// The menu-bar application on a scripted daemon state, for make-menubar-screenshots.sh.
// Usage: menubar-screenshot-demo running|stopped [unenrolled] [about|register] [dark|dark-panel] [LANGUAGE]: the
// machine is enrolled unless "unenrolled" is given; "register" opens the registration window; "dark" gives the
// desktop a dark palette, as a dark panel's desktop has; "dark-panel" keeps the light palette while the panel
// states that it is dark, as Xfce 4.18's default panel does; LANGUAGE as "de". No administrator command can run
// from here.
#include "menubar-app/service/ProcessRunner.h"
#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/IconImages.h"
#include "menubar-app/ui/MainApp.h"
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"
#include "platform/UrlOpener.h"
#include "platform/widgets/DesktopColourScheme.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"
#include "platform/widgets/SystemTray.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>
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
    QApplication::setWindowIcon(menubar::iconFromImages(QStringLiteral("AppIcon")));
    const QStringList arguments = QApplication::arguments();
    const QString language = arguments.size() > 2 && arguments.last().size() == 2 ? arguments.last() : "en";
    platform::installTranslations({language});
    if (arguments.contains(QLatin1String("dark"))) {
        QPalette dark(QColor(0x3a, 0x3a, 0x3c), QColor(0x2b, 0x2b, 0x2b));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xf2, 0xf2, 0xf7));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(QPalette::Disabled, role, QColor(0x7c, 0x7c, 0x80));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        QApplication::setPalette(dark);
    }
    ScriptedRunner runner;
    runner.daemonRunning = arguments.value(1) == QLatin1String("running");
    platform::CapturingLogSink log;
    platform::MessageBoxAlertPresenter alerts;
    NoUrlOpener urls;
    QTemporaryDir scratch;
    contract::AgentPaths paths;
    // Enrolled: a configuration file is there, and the start it brings runs nothing here.
    paths.installedConfigFile = scratch.filePath(QStringLiteral("enrolled.cfg"));
    if (!arguments.contains(QLatin1String("unenrolled")))
        QFile(paths.installedConfigFile).open(QIODevice::WriteOnly);
    QSettings settings(scratch.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(QLatin1String(menubar::RegistrationOffer::kOpenedAtStartKey), true); // only when asked for
    installer::EnrollerDependencies page;
    page.paths = paths;
    page.preferredLanguages = {language};
    platform::DesktopColourScheme scheme;
    if (arguments.contains(QLatin1String("dark-panel")))
        scheme.setPanelDark(true);
    menubar::MainApp mainApp({
        {runner, log, alerts, urls, paths, std::chrono::milliseconds(500)},
        menubar::BundleInfo::mainBundle(),
        [] { QCoreApplication::quit(); },
        [] { return platform::isTrayHostAvailable(); },
        settings,
        menubar::registrationPaneFactory(page),
        &scheme,
    });
    if (arguments.contains(QLatin1String("about")))
        QTimer::singleShot(0, mainApp.menu().aboutAction(), &QAction::trigger);
    if (arguments.contains(QLatin1String("register")))
        QTimer::singleShot(0, mainApp.menu().registerAction(), &QAction::trigger);
    return app.exec();
}
