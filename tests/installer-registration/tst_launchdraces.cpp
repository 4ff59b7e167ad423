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

struct NoAdministratorShell : platform::AdministratorShell
{
    void run(const QString &) override { QFAIL("a restart needs no administrator"); }
};

} // namespace

// A restart against the sandbox's launchctl with the menu-bar application's job made slow, as launchd
// makes the race: its process takes 2 s to exit on SIGTERM, "stop" and "bootout" return before it is
// gone, and a "start" meanwhile is ignored.
class LaunchdRacesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptDir> m_dir; // bin/launchctl and launchd/LABEL, laid out as in a sandbox

    QString launchctl() const { return m_dir->filePath("bin/launchctl"); }
    qint64 agentPid() const // 0 when the job has no process
    {
        return m_dir->read("launchd/" + kAgent + "/pid").trimmed().toLongLong();
    }
    void addJob(const QString &label, const QByteArray &kind)
    {
        QVERIFY(QDir(m_dir->path()).mkpath("launchd/" + label));
        QVERIFY(QFile(m_dir->write("launchd/" + label + "/run", "exec sleep 10")).exists()); // ends by itself
        QFile kindFile(m_dir->filePath("launchd/" + label + "/kind"));
        QVERIFY(kindFile.open(QIODevice::WriteOnly) && kindFile.write(kind) == kind.size());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<ScriptDir>();
        QVERIFY(QDir(m_dir->path()).mkpath("bin"));
        QVERIFY(QFile::copy(STANDIN_LAUNCHCTL, launchctl()));
        addJob(kAgent, "agent");
        QVERIFY(QFile(m_dir->filePath("launchd/" + kAgent + "/slow-exit")).open(QIODevice::WriteOnly));
        QCOMPARE(platform::runChildProcess({launchctl(), {"start", kAgent}, std::nullopt}).status, 0);
        QVERIFY(agentPid() > 0);
    }

    void cleanup()
    {
        if (const qint64 pid = agentPid())
            ::kill(pid_t(pid), SIGTERM);
        m_dir.reset();
    }

    // Without the wait the start lands while the old application still quits, and none is left after.
    void registrationRestartStartsANewApplication()
    {
        const qint64 before = agentPid();
        contract::AgentPaths paths;
        paths.launchctl = launchctl();
        NoAdministratorShell shell;
        platform::CapturingLogSink log;
        installer::RegistrationHelper(paths, shell, log).restartGuiAgent();
        const qint64 after = agentPid();
        QVERIFY(after != 0 && after != before);
        QCOMPARE(::kill(pid_t(after), 0), 0);
    }
};

QTEST_GUILESS_MAIN(LaunchdRacesTest)
#include "tst_launchdraces.moc"
