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
    void touch(const QString &name) const
    {
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(m_dir->filePath(name)).path()));
        QVERIFY(QFile(m_dir->filePath(name)).open(QIODevice::WriteOnly));
    }
    void addJob(const QString &label, const QByteArray &run, const QString &marker)
    {
        touch("launchd/" + label + '/' + marker);
        m_dir->write("launchd/" + label + "/run", run + "\nexec sleep 30");
    }
    void install(const QString &from, const QString &to) const
    {
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(m_dir->filePath(to)).path()));
        QVERIFY(QFile::copy(from, m_dir->filePath(to)));
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
        install(STANDIN_LAUNCHCTL, "bin/launchctl");
        m_dir->write("bin/stat", "echo " + QByteArray::number(console));
        install(PACKAGING "/com.kelvane.osagent.plist", "volume/Library/LaunchDaemons/" + kDaemon + ".plist");
        install(PACKAGING "/com.kelvane.osagent-agent.plist", "volume/Library/LaunchAgents/" + kAgent + ".plist");
        if (enrolled)
            touch("volume/Library/Application Support/osagent/.qmx-osagent.cfg");
        addJob(kDaemon, {}, "slow-start");
        // The application notes whether it found the daemon running: it would ask to start it otherwise.
        const QByteArray seen = QFile::encodeName(m_dir->filePath("seen"));
        const QByteArray daemonPid = QFile::encodeName(m_dir->filePath("launchd/" + kDaemon + "/pid"));
        addJob(kAgent, "[ -f '" + daemonPid + "' ] && echo running >'" + seen + "'", "slow-exit");
        const QString launchctl = m_dir->filePath("bin/launchctl");
        for (const QString &label : {kDaemon, kAgent}) {
            if (upgrade)
                QCOMPARE(platform::runChildProcess({launchctl, {"start", label}, std::nullopt}).status, 0);
            else
                touch("launchd/" + label + "/unloaded");
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
        const bool agentLoaded =
            platform::runChildProcess({launchctl, {"print", "gui/501/" + kAgent}, std::nullopt}).status == 0;
        QCOMPARE(agentLoaded, console != 0);
        QCOMPARE(pid(kAgent) != 0 && pid(kAgent) != agentBefore, console != 0);
        QCOMPARE(m_dir->read("seen"), QByteArray(enrolled && console != 0 ? "running\n" : ""));
    }
};

QTEST_GUILESS_MAIN(PostinstallTest)
#include "tst_postinstall.moc"
