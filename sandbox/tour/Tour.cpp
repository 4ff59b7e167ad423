#include "sandbox/tour/Tour.h"

#include "installer-pane/ui/EnrollerPlugin.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/InstallerPluginLoader.h"
#include "sandbox/SandboxTools.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <iostream>
#include <string>

namespace sandbox {

namespace {

const QString kLogin = QStringLiteral("demo");
const QString kPassword = QStringLiteral("demo-password");

} // namespace

Tour::Tour(const QString &root, bool automatic, bool managed)
    : m_box(root)
    , m_session(m_box)
    , m_automatic(automatic)
    , m_managed(managed)
    , m_shots(m_box.root() + QStringLiteral("/screenshots"))
{}

int Tour::run()
{
    keepEarlierScreenshots();
    if (!m_box.create() || !QDir().mkpath(m_shots)) {
        say(QStringLiteral("Cannot lay out the sandbox in %1").arg(m_box.root()));
        return 1;
    }
    m_box.setAccounts({{kLogin, kPassword}});
    m_box.setFullDiskAccess(true);
    if (m_automatic)
        m_box.setAuthoriseAnswer(QStringLiteral("allow"));
    // Lets the tour show the daemon's argument vector; the stand-in daemon writes it there.
    qputenv("QMX_STANDIN_RECORD_DIR", QFile::encodeName(m_box.root()));
    if (!m_session.startServer()) {
        say(QStringLiteral("The stand-in backup server did not start"));
        return 1;
    }
    say(QStringLiteral("Sandbox: %1").arg(m_box.root()));
    say(QStringLiteral("Backup server: %1, login \"%2\", password \"%3\"")
            .arg(m_session.serverAddress(), kLogin, kPassword));
    say(QStringLiteral("Commands run as root, in full: %1").arg(m_box.authoriseLog()));
    if (m_managed) {
        m_box.setManagedSettings(
            {{QStringLiteral("ServerAddress"), m_session.serverAddress()}, {QStringLiteral("Login"), kLogin}});
        say(QStringLiteral("Managed settings: %1").arg(m_box.managedSettingsFile()));
    }

    std::unique_ptr<platform::InstallerPane> pane;
    try {
        pane = newPane();
    } catch (const platform::InstallerPluginError &error) {
        say(error.message());
        return 1;
    }
    int status = 0;
    {
        platform::SetupAssistant assistant(std::move(pane));
        road(QStringLiteral("The road of one installation"), 8);
        status = m_automatic ? runAutomatic(assistant) : runInteractive(assistant);
    }
    road(QStringLiteral("The Enroller page skipped"), 6);
    resetMachine();
    status |= m_automatic ? runPageSkippedAutomatic() : runPageSkippedInteractive();
    m_session.stop();
    return status;
}

std::unique_ptr<platform::InstallerPane> Tour::newPane() const
{
    const contract::AgentPaths paths = m_box.paths();
    // The sandbox's managed settings file, never the machine's; what it ignores goes to the sandbox's log.
    const auto log = std::make_shared<platform::FileLogSink>(m_box.logFile());
    installer::EnrollerDependencies dependencies{
        paths, std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell),
        {},    {},
        {},    {"en"},
        log,   std::make_shared<installer::ManagedSettingsReader>(m_box.managedSettingsSource(), log),
    };
    // The shipped plug-in, handed the sandbox's values instead of the installer's none.
    return platform::InstallerPluginLoader({QString::fromUtf8(tools::kEnrollerPlugin)}).createPane(&dependencies);
}

int Tour::runInteractive(platform::SetupAssistant &assistant)
{
    say(m_managed ? QStringLiteral("Register in the setup assistant with the password above.")
                  : QStringLiteral("Register in the setup assistant with the address and account above."));
    assistant.run();
    if (!QFile::exists(m_box.paths().installedConfigFile))
        return 0;
    say(QStringLiteral("The menu-bar application now runs in your tray. Press Return for the second road."));
    std::string line;
    std::getline(std::cin, line);
    return 0;
}

void Tour::resetMachine()
{
    m_session.stopJobs();
    QFile::remove(m_box.paths().installedConfigFile);
    QFile::remove(m_box.settingsFile());
}

void Tour::road(const QString &title, int steps)
{
    m_steps = steps;
    say(QStringLiteral("== %1").arg(title));
}

void Tour::say(const QString &text) const
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

bool Tour::step(int number, const QString &text, bool ok)
{
    say(QStringLiteral("[%1/%2] %3%4")
            .arg(number)
            .arg(m_steps)
            .arg(text, ok ? QString() : QStringLiteral("  -- FAILED")));
    return ok;
}

} // namespace sandbox
