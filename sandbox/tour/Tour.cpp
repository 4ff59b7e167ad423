#include "sandbox/tour/Tour.h"

#include "installer-pane/ui/EnrollerPlugin.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/installer-host/SetupAssistant.h"
#include "platform/widgets/InstallerPluginLoader.h"
#include "sandbox/SandboxTools.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

namespace sandbox {

namespace {

const QString kLogin = QStringLiteral("demo");
const QString kPassword = QStringLiteral("demo-password");

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

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

void Tour::keepEarlierScreenshots() const
{
    // The sandbox is laid out afresh each run; a walk's pictures outlive it until the next run's replace them.
    if (QDir(m_shots).isEmpty())
        return;
    const QString kept = m_box.root() + QStringLiteral("-screenshots-before");
    QDir(kept).removeRecursively();
    if (QDir().rename(m_shots, kept))
        say(QStringLiteral("The screenshots of the run before: %1").arg(kept));
}

QString Tour::rootCommandSummary()
{
    return QStringLiteral("the staging directory taken into root's own and checked, the configuration installed "
                          "(0600), the daemon's job started");
}

qsizetype Tour::rootCommandCount() const
{
    QFile log(m_box.authoriseLog());
    return log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
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

void Tour::shoot(QWidget *widget, const QString &name)
{
    QApplication::processEvents();
    const QString file =
        QStringLiteral("%1/%2-%3.png").arg(m_shots).arg(++m_shotCount, 2, 10, QLatin1Char('0')).arg(name);
    widget->grab().save(file);
}

void Tour::shootScreen(const QString &name, const QString &geometry)
{
    const QString file =
        QStringLiteral("%1/%2-%3.png").arg(m_shots).arg(++m_shotCount, 2, 10, QLatin1Char('0')).arg(name);
    runTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                                       geometry, QStringLiteral("+repage"), file});
}

void Tour::answerAlertsAutomatically()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        m_alerts.append(box->text());
        say(QStringLiteral("      alert: \"%1\"").arg(box->text()));
        shoot(box, QStringLiteral("alert"));
        box->defaultButton()->click();
    });
    timer->start(100);
}

bool Tour::openTrayMenu(const QString &programClass)
{
    // The application's item, embedded in trayer: a small window of that program.
    const QStringList windows =
        runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--classname"), programClass})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &window : windows) {
        const QString shell = runTool(QStringLiteral("xdotool"),
                                      {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        const auto value = [&shell](const char *key) {
            return shell.section(QLatin1String(key) + QLatin1Char('='), 1).section(QLatin1Char('\n'), 0, 0).toInt();
        };
        if (value("WIDTH") > 40)
            continue;
        runTool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(value("X") + 11), QString::number(value("Y") + 21),
                 QStringLiteral("click"), QStringLiteral("3")});
        // The menu may be this program's own: its events must be handled meanwhile.
        SandboxSession::waitUntil([] { return false; }, 700);
        return true;
    }
    return false;
}

} // namespace sandbox
