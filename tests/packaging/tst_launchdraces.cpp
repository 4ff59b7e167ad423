#include "common/AgentPaths.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "tests/support/ScriptDir.h"

#include <QDir>
#include <QTest>

#include <csignal>

namespace {

const QString kAgent = contract::toQString(contract::kGuiAgentLabel);
const QString kDaemon = contract::toQString(contract::kServiceLabel);

struct NoAdministratorShell : platform::AdministratorShell
{
    void run(const QString &) override { QFAIL("a restart needs no administrator"); }
};

} // namespace

// The sandbox's launchctl with the jobs made slow, as launchd makes the races: the daemon's start comes a second
// after "bootstrap" returns; the application's process takes 2 s to exit on SIGTERM, "stop" and "bootout" return
// before it is gone, and a "start" meanwhile is ignored. A job starts at bootstrap only when its plist says
// RunAtLoad, and one kept alive is refused.
class LaunchdRacesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptDir> m_dir; // bin/launchctl, launchd/LABEL as in a sandbox, and volume/ as Installer's target

    QString launchctl() const { return m_dir->filePath("bin/launchctl"); }
    qint64 pid(const QString &label) const { return m_dir->read("launchd/" + label + "/pid").trimmed().toLongLong(); }
    void put(const QString &name, const QString &copyOf = {}) const // an empty file, or a copy
    {
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(m_dir->filePath(name)).path()));
        QVERIFY(copyOf.isEmpty() ? QFile(m_dir->filePath(name)).open(QIODevice::WriteOnly)
                                 : QFile::copy(copyOf, m_dir->filePath(name)));
    }
    void addJob(const QString &label, const QByteArray &run, const QString &marker)
    {
        put("launchd/" + label + '/' + marker);
        m_dir->write("launchd/" + label + "/run", run + "\nexec sleep 30");
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<ScriptDir>();
        put("bin/launchctl", STANDIN_LAUNCHCTL);
    }

    void cleanup()
    {
        for (const QString &label : {kAgent, kDaemon})
            if (const qint64 running = pid(label))
                ::kill(pid_t(running), SIGTERM);
        m_dir.reset();
    }

    // Without the wait the start lands while the old application still quits, and none is left after.
    void registrationRestartStartsANewApplication()
    {
        addJob(kAgent, {}, "slow-exit");
        QCOMPARE(platform::runChildProcess({launchctl(), {"start", kAgent}, std::nullopt}).status, 0);
        const qint64 before = pid(kAgent);
        QVERIFY(before > 0);
        contract::AgentPaths paths;
        paths.launchctl = launchctl();
        NoAdministratorShell shell;
        platform::CapturingLogSink log;
        installer::RegistrationHelper(paths, shell, log).restartGuiAgent();
        const qint64 after = pid(kAgent);
        QVERIFY(after != 0 && after != before);
        QCOMPARE(::kill(pid_t(after), 0), 0);
    }

    void postinstallLeavesBothJobsRunning_data()
    {
        QTest::addColumn<int>("console"); // the owner of /dev/console: root at the login window
        QTest::addColumn<bool>("enrolled");
        QTest::addColumn<bool>("upgrade"); // both jobs loaded and running before
        QTest::newRow("first install at the login window, not enrolled") << 0 << false << false;
        QTest::newRow("first install with a user, enrolled") << 501 << true << false;
        QTest::newRow("upgrade with both running, enrolled") << 501 << true << true;
    }

    // The package's postinstall as Installer.app runs it, with the package's own job plists on the target volume.
    void postinstallLeavesBothJobsRunning()
    {
        QFETCH(int, console);
        QFETCH(bool, enrolled);
        QFETCH(bool, upgrade);
        m_dir->write("bin/stat", "echo " + QByteArray::number(console));
        put("volume/Library/LaunchDaemons/" + kDaemon + ".plist", PACKAGING "/com.kelvane.osagent.plist");
        put("volume/Library/LaunchAgents/" + kAgent + ".plist", PACKAGING "/com.kelvane.osagent-agent.plist");
        if (enrolled)
            put("volume/Library/Application Support/osagent/.qmx-osagent.cfg");
        addJob(kDaemon, {}, "slow-start");
        // The application notes whether it found the daemon running: it would ask to start it otherwise.
        const QByteArray seen = QFile::encodeName(m_dir->filePath("seen"));
        const QByteArray daemonPid = QFile::encodeName(m_dir->filePath("launchd/" + kDaemon + "/pid"));
        addJob(kAgent, "[ -f '" + daemonPid + "' ] && echo running >'" + seen + "' || echo stopped >'" + seen + "'",
               "slow-exit");
        for (const QString &label : {kDaemon, kAgent}) {
            if (upgrade)
                QCOMPARE(platform::runChildProcess({launchctl(), {"start", label}, std::nullopt}).status, 0);
            else
                put("launchd/" + label + "/unloaded");
        }
        QFile::remove(seen);
        const qint64 daemonBefore = pid(kDaemon), agentBefore = pid(kAgent);

        platform::ProcessEnvironment environment = platform::ProcessEnvironment::current();
        environment.set("PATH", QFile::encodeName(m_dir->filePath("bin")) + ':' + qgetenv("PATH"));
        // As Installer passes them: the package, the destination, the target volume and the system's root.
        const QStringList arguments{POSTINSTALL, "/tmp/KelvaneOSAgent.pkg", "/", m_dir->filePath("volume"), "/"};
        const auto result = platform::runChildProcess({"/bin/sh", arguments, environment, true});
        QCOMPARE(result.output + result.errorOutput, QByteArray()); // no job reported left unloaded
        QCOMPARE(result.status, 0);

        // launchd starts the daemon at load, enrolled or not, and a new one after an upgrade.
        QTRY_VERIFY_WITH_TIMEOUT(pid(kDaemon) != 0, 5000);
        QVERIFY(pid(kDaemon) != daemonBefore);
        QCOMPARE(pid(kAgent) != 0 && pid(kAgent) != agentBefore, console != 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_dir->read("seen"), QByteArray(console != 0 ? "running\n" : ""), 5000);
    }
};

QTEST_GUILESS_MAIN(LaunchdRacesTest)
#include "tst_launchdraces.moc"
