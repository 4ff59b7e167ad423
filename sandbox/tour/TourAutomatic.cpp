// The automatic walk along the road of one installation, for a machine without a display of
// its own: every dialog is answered by the tour, each step printed and shot.
#include "sandbox/tour/Tour.h"

#include "platform/installer-host/SetupAssistant.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>

namespace sandbox {

namespace {

QStringList recordedArguments(const QString &root)
{
    QFile file(root + QStringLiteral("/arguments"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments = QString::fromUtf8(file.readAll()).split(QChar(0));
    arguments.removeLast(); // each entry ends with a NUL
    return arguments;
}

QString contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

int Tour::runAutomatic(platform::SetupAssistant &assistant)
{
    const contract::AgentPaths paths = m_box.paths();
    bool ok = true;
    answerAlertsAutomatically();
    assistant.show();
    SandboxSession::waitUntil([&assistant] { return assistant.isVisible(); }, 5000);
    shoot(&assistant, QStringLiteral("welcome"));

    assistant.next();
    const auto field = [&assistant](const char *name) { return assistant.findChild<QLineEdit *>(QLatin1String(name)); };
    QAbstractButton *next = assistant.button(QWizard::NextButton);
    const auto isManaged = [&field](const char *name, const QString &value) {
        return field(name)->text() == value && field(name)->isReadOnly();
    };
    const bool managedShown = isManaged("addressTextField", m_session.serverAddress()) &&
                              isManaged("loginTextField", QStringLiteral("demo")) &&
                              assistant.findChild<QLabel *>(QStringLiteral("managedNoteLabel"))->isVisible();
    ok &=
        step(1,
             QStringLiteral("The installer enters the Enroller page: node name \"%1\", Next %2%3")
                 .arg(field("nameTextField")->text(), next->isEnabled() ? "enabled" : "disabled",
                      m_managed ? QStringLiteral("; address and login set by the organisation, read-only") : QString()),
             field("nameTextField")->text() == QSysInfo::machineHostName() && !next->isEnabled() &&
                 managedShown == m_managed);
    shoot(&assistant, QStringLiteral("page-entered"));

    if (!m_managed) {
        field("addressTextField")->setText(m_session.serverAddress());
        field("loginTextField")->setText(QStringLiteral("demo"));
    }
    field("passwordTextField")->setText(QStringLiteral("demo-password"));
    shoot(&assistant, QStringLiteral("form-filled"));
    ok &= step(2, m_managed ? QStringLiteral("The user types the password and clicks Register")
                            : QStringLiteral("The user fills in the new-registration form and clicks Register"));
    auto *registerButton = assistant.findChild<QPushButton *>(QStringLiteral("registerButton"));
    const qsizetype logBefore = contentOf(m_box.logFile()).size();
    registerButton->click(); // runs the whole registration, as the real click does

    QStringList arguments = recordedArguments(m_box.root());
    if (arguments.size() == 6)
        arguments[3] = QStringLiteral("********");
    ok &= step(3,
               QStringLiteral("The daemon ran once: qmx-osagent %1, with its data and log path %2")
                   .arg(arguments.join(QLatin1Char(' ')), paths.stagingDirectory),
               arguments.size() == 6 && arguments.first() == QLatin1String("-r"));
    ok &= step(4,
               QStringLiteral("As root, one command: %1; the staging directory is gone; launchctl restarted %2")
                   .arg(rootCommandSummary(), contract::toQString(contract::kGuiAgentLabel)),
               QFile::exists(paths.installedConfigFile) && !QDir(paths.stagingDirectory).exists());
    ok &= step(5, QStringLiteral("\"Registration success\" was shown; Register is disabled, Next enabled"),
               m_alerts.contains(QStringLiteral("Registration success")) && !registerButton->isEnabled() &&
                   next->isEnabled());
    shoot(&assistant, QStringLiteral("registered"));

    // The relaunched application's first line; the daemon's job was started by the root step before it.
    const auto sinceRelaunch = [this, logBefore] {
        const QString log = contentOf(m_box.logFile()).mid(logBefore);
        const qsizetype start = log.lastIndexOf(QStringLiteral("ServicesController starting"));
        return start < 0 ? QString() : log.mid(start);
    };
    const bool relaunched = SandboxSession::waitUntil([&] { return !sinceRelaunch().isEmpty(); }, 30000);
    ok &= step(6,
               QStringLiteral("launchd relaunched the menu-bar application; it found the configuration, and the "
                              "daemon's job, which the root step started, runs"),
               relaunched && m_box.isDaemonRunning());
    const QString jobLine = m_box.daemonJobLine();
    ok &= step(7, QStringLiteral("The job list line it parsed: \"%1\"").arg(QString(jobLine).replace('\t', "\\t")),
               !jobLine.startsWith(QLatin1Char('-')));
    // The application logs only changes of state, and its first state is running: a right start writes
    // "starting" and nothing after it. So a whole check later, no "stoped" since, and the daemon still there.
    SandboxSession::waitUntil([] { return false; }, 6000);
    ok &= step(8,
               QStringLiteral("Its status checks find qmx-osagent in the process table: the icon shows running, "
                              "no \"stoped\" since its start"),
               relaunched && m_box.isDaemonRunning() && !sinceRelaunch().contains(QStringLiteral("stoped")));
    assistant.hide(); // leaves the screen to the tray and its menu
    if (openTrayMenu(QStringLiteral("sandbox-kelvane-os-agent"))) {
        shootScreen(QStringLiteral("tray-menu"), QStringLiteral("360x180+664+0"));
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});
    }
    assistant.show();

    assistant.next();
    shoot(&assistant, QStringLiteral("finish"));
    assistant.accept();
    say(QStringLiteral("%1. Screenshots: %2").arg(ok ? "The road is walked" : "The road is broken", m_shots));
    return ok ? 0 : 1;
}

} // namespace sandbox
