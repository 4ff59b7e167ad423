#include "common/AgentPaths.h"
#include "platform/ChildProcess.h"
#include "tests/support/ScriptDir.h"

#include <QDir>
#include <QTest>

#include <csignal>

namespace {

const QString kAgent = contract::toQString(contract::kGuiAgentLabel);
const QString kDaemon = contract::toQString(contract::kServiceLabel);

} // namespace

// The package's postinstall as Installer.app runs it, with the package's own job plists on the target volume,
// against the sandbox's launchctl: it starts a job at bootstrap only when the plist says RunAtLoad, refuses one
// kept alive, starts the daemon a second after "bootstrap" returns and takes 2 s to end the application.
class PostinstallTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptDir> m_dir; // bin/, launchd/LABEL as in a sandbox, and volume/ as Installer's target

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
    void cleanup()
    {
        for (const QString &label : {kAgent, kDaemon})
            if (const qint64 running = pid(label))
                ::kill(pid_t(running), SIGTERM);
        m_dir.reset();
    }

    void bothJobsRunAfterwards_data()
    {
        QTest::addColumn<int>("console"); // the owner of /dev/console: root at the login window
        QTest::addColumn<bool>("enrolled");
        QTest::addColumn<bool>("upgrade"); // both jobs loaded and running before
        QTest::newRow("first install at the login window, not enrolled") << 0 << false << false;
        QTest::newRow("first install with a user, enrolled") << 501 << true << false;
        QTest::newRow("upgrade with both running, enrolled") << 501 << true << true;
    }

    void bothJobsRunAfterwards()
    {
        QFETCH(int, console);
        QFETCH(bool, enrolled);
        QFETCH(bool, upgrade);
        m_dir = std::make_unique<ScriptDir>();
        put("bin/launchctl", STANDIN_LAUNCHCTL);
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
        const QString launchctl = m_dir->filePath("bin/launchctl");
        for (const QString &label : {kDaemon, kAgent}) {
            if (upgrade)
                QCOMPARE(platform::runChildProcess({launchctl, {"start", label}, std::nullopt}).status, 0);
            else
                put("launchd/" + label + "/unloaded");
        }
        QFile::remove(seen);
        const qint64 daemonBefore = pid(kDaemon);
        const qint64 agentBefore = pid(kAgent);

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

QTEST_GUILESS_MAIN(PostinstallTest)
#include "tst_postinstall.moc"
