// The second road: the setup assistant cancelled on the Enroller page, and the menu-bar application,
// started unenrolled, opening its registration window by itself.
#include "sandbox/tour/Tour.h"

#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MainApp.h"
#include "menubar-app/ui/MenuBarApplication.h"
#include "menubar-app/ui/MenuBarExtra.h"
#include "platform/LogSink.h"
#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/DesktopUrlOpener.h"
#include "platform/widgets/InstallerPaneWindow.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"
#include "platform/widgets/SystemTray.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>

#include <iostream>
#include <string>

namespace sandbox {

int Tour::runPageSkippedInteractive()
{
    say(QStringLiteral("Cancel the setup assistant on the Enroller page."));
    {
        platform::SetupAssistant assistant(newPane());
        assistant.run();
    }
    if (QFile::exists(m_box.paths().installedConfigFile)) {
        say(QStringLiteral("This machine was registered on the page after all; the second road needs it skipped."));
        return 0;
    }
    // As the package's postinstall script or the next login does.
    QProcess::execute(m_box.paths().launchctl,
                      {QStringLiteral("start"), contract::toQString(contract::kGuiAgentLabel)});
    say(QStringLiteral("The menu-bar application has started unenrolled and opens its registration window by itself: "
                       "register there with the address and account above. Its menu offers \"Register This "
                       "Computer…\" until then. Press Return to stop the sandbox."));
    std::string line;
    std::getline(std::cin, line);
    return 0;
}

int Tour::runPageSkippedAutomatic()
{
    const contract::AgentPaths paths = m_box.paths();
    bool ok = true;
    {
        platform::SetupAssistant assistant(newPane());
        assistant.show();
        assistant.next();
        assistant.reject();
    }
    ok &= step(1, QStringLiteral("The setup assistant is cancelled on the Enroller page: no configuration installed"),
               !QFile::exists(paths.installedConfigFile));

    // The application as the stand-in launchd starts it (sandbox-kelvane-os-agent), but in this process, so
    // that the tour can type into its window and answer its alerts.
    QSettings settings(m_box.settingsFile(), QSettings::IniFormat);
    menubar::ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
    const auto log = std::make_shared<platform::FileLogSink>(m_box.logFile());
    platform::MessageBoxAlertPresenter alerts;
    platform::DesktopUrlOpener urls;
    installer::EnrollerDependencies page;
    page.paths = paths;
    page.preferredLanguages = {QStringLiteral("en")};
    page.log = log;
    page.managedSettings = std::make_shared<installer::ManagedSettingsReader>(m_box.managedSettingsSource(), log);
    menubar::MainApp app({{runner, *log, alerts, urls, paths, std::chrono::milliseconds(1000)},
                          menubar::BundleInfo::mainBundle(),
                          [] {},
                          [] { return platform::isTrayHostAvailable(); },
                          settings,
                          menubar::registrationPaneFactory(page)});
    platform::InstallerPaneWindow *window = app.registrationOffer().window();
    ok &= step(2,
               QStringLiteral("The menu-bar application starts unenrolled and opens its window \"%1\" by itself")
                   .arg(window ? window->windowTitle() : QString()),
               window && window->isVisible());
    if (!window)
        return 1;
    SandboxSession::waitUntil([&app] { return app.menuBarExtra().trayIcon() != nullptr; }, 5000);
    shoot(window, QStringLiteral("registration-window"));
    if (openTrayMenu(QStringLiteral("sandbox-tour"))) {
        shootScreen(QStringLiteral("tray-menu-unenrolled"), QStringLiteral("360x162+664+0"));
        app.menu().hide();
    }

    const auto field = [window](const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); };
    field("addressTextField")->setText(m_session.serverAddress());
    field("loginTextField")->setText(QStringLiteral("demo"));
    field("passwordTextField")->setText(QStringLiteral("demo-password"));
    ok &= step(3, QStringLiteral("The user fills in the window's form and clicks Register"));
    m_alerts.clear();
    window->findChild<QAbstractButton *>(QStringLiteral("registerButton"))->click();
    ok &= step(4,
               QStringLiteral("As root, one command: %1; \"Registration success\" was shown; the window shows Done")
                   .arg(rootCommandSummary()),
               QFile::exists(paths.installedConfigFile) && m_alerts.contains(QStringLiteral("Registration success")) &&
                   window->doneButton()->isVisible());
    shoot(window, QStringLiteral("window-registered"));

    // The application takes the registration up once the click has returned; the root step started the daemon.
    const qsizetype rootCommands = rootCommandCount();
    const bool started = SandboxSession::waitUntil([this] { return m_box.isDaemonRunning(); }, 30000);
    const QString agent = contract::toQString(contract::kGuiAgentLabel);
    ok &= step(5,
               QStringLiteral("The application took the configuration up itself: its entry is gone, its launch agent "
                              "was not restarted, and the daemon's job, which the root step started, runs"),
               started && !app.menu().registerAction()->isVisible() &&
                   !QFile::exists(m_box.jobDirectory(agent) + QStringLiteral("/pid")));
    const bool running = SandboxSession::waitUntil(
        [&app] { return app.servicesController().iconName() == QLatin1String("MenuBarExtraIcon"); }, 15000);
    ok &= step(6,
               QStringLiteral("Its status check finds qmx-osagent in the process table: the icon shows running; it ran "
                              "nothing as root of its own"),
               running && rootCommandCount() == rootCommands);
    window->doneButton()->click();
    if (openTrayMenu(QStringLiteral("sandbox-tour"))) {
        shootScreen(QStringLiteral("tray-menu-registered"), QStringLiteral("360x180+664+0"));
        app.menu().hide();
    }
    say(QStringLiteral("%1. Screenshots: %2").arg(ok ? "The road is walked" : "The road is broken", m_shots));
    return ok ? 0 : 1;
}

} // namespace sandbox
