#include "sandbox/SandboxSession.h"
#include "sandbox/SandboxTools.h"
#include "tests/support/FileText.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace sandbox;

namespace {

const QByteArray kPassword = "fleet-Pa55-7QzX";
const QString kAgent = contract::toQString(contract::kGuiAgentLabel);
const QString kService = contract::toQString(contract::kServiceLabel);

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

// The enrol command on a sandbox, as a device-management script runs it: no window, real child processes,
// the stand-in server, launchd and pkexec.
class EnrollTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_box.create());
        m_box.setAccounts({{"fleet", QString::fromUtf8(kPassword)}});
        m_box.setAuthoriseAnswer("allow");
        QVERIFY(m_session.startServer());
    }

    void cleanupTestCase() { m_session.stop(); }

    void enrolsAndTheMenuBarApplicationStartsTheDaemon_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("again");
        QTest::newRow("new, as root") << "root" << false;
        QTest::newRow("again, as root") << "root" << true;
        QTest::newRow("new, as a user, over an enrolment: --force") << "user" << false;
    }

    void enrolsAndTheMenuBarApplicationStartsTheDaemon()
    {
        QFETCH(QString, mode);
        QFETCH(bool, again);
        stopJobs();
        QFile::remove(m_box.authoriseLog());
        QFile::remove(m_box.asUserLog());
        const QString guid = installedGuid();
        QStringList arguments = again ? QStringList{"reregister", "--guid", guid} : QStringList{"register"};
        if (QByteArray(QTest::currentDataTag()).endsWith("--force"))
            arguments << "--force";
        arguments += {"--address", m_session.serverAddress(), "--login", "fleet", "--password-stdin"};

        const Run run = enroll(mode, arguments, "  " + kPassword + "\n");
        QCOMPARE(run.err, again ? "Re-registration success\n" : "Registration success\n");
        QCOMPARE(installedGuid() == guid, again);
        // Installed through pkexec only as a user; the agent reached in the console user's session only as root.
        QCOMPARE(contentOf(m_box.authoriseLog()).contains("mkdir -p"), mode == "user");
        const QString asUser = "asuser " + QString::number(::getuid()) + ' ' + m_box.paths().launchctl + ' ';
        QCOMPARE(contentOf(m_box.asUserLog()), mode == "root" ? asUser + "stop " + kAgent + '\n' + asUser + "list " +
                                                                    kAgent + '\n' + asUser + "start " + kAgent + '\n'
                                                              : QString());

        // The stand-in launchd relaunched the menu-bar application, which started the daemon.
        QTRY_VERIFY_WITH_TIMEOUT(m_box.isDaemonRunning(), 20000);
        QVERIFY(QFile::exists(m_box.jobDirectory(kAgent) + "/pid"));
    }

    // In words for a person, the job's raw line for a script, and what an administrator set.
    void statusTellsEnrolmentDaemonAndJob()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_box.isDaemonRunning(), 20000);
        m_box.setManagedSettings({{"ServerAddress", "backup.example.com:7443"}, {"Login", "fleet"}});
        Run run = enroll("user", {"status", "--json"});
        m_box.setManagedSettings({});
        const QJsonObject running = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(running.value("daemonRunning"), true);
        const QString job = running.value("job").toString();
        QCOMPARE(running.value("managed"),
                 (QJsonObject{{"ServerAddress", "backup.example.com:7443"}, {"Login", "fleet"}}));
        run = enroll("root", {"status"});
        QCOMPARE(run.out, "This machine is enrolled.\nIts agent GUID is " + installedGuid() +
                              ".\nThe agent daemon is running (process ID " + job.section('\t', 0, 0) + ").\n");

        stopJobs();
        QFile::remove(m_box.paths().installedConfigFile);
        run = enroll("root", {"status"});
        QCOMPARE(run.out,
                 "This machine is not enrolled.\nThe agent daemon is not running.\nIt was last ended by signal 15.\n");
    }

    void nobodyLoggedInLeavesTheAgentToTheNextLogin()
    {
        stopJobs();
        const Run run = enroll(
            "root-no-console",
            {"register", "--address", m_session.serverAddress(), "--login", "fleet", "--password-stdin", "--json"},
            kPassword);
        QCOMPARE(run.out, R"({"message":"Registration success","note":"No one is logged in, so the menu-bar )"
                          R"(application starts at the next login.","ok":true,"status":0})"
                          "\n");
        QVERIFY(!QFile::exists(m_box.jobDirectory(kAgent) + "/pid"));
    }

    // Last: every run above read its password from standard input.
    void passwordNeverInOurArgumentsOutputOrLogs()
    {
        QVERIFY(m_runs >= 7);
        for (const QByteArray &seen : std::as_const(m_seen))
            QVERIFY2(!seen.contains(kPassword), seen);
        // Every file of the sandbox: the stand-in launchd's logs of the menu-bar application and the daemon,
        // the menu-bar log, the authorisations. Only the server's account table holds it, by design.
        QDirIterator files(m_box.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (path != m_box.serverDirectory() + "/accounts")
                QVERIFY2(!contentOf(path).toUtf8().contains(kPassword), qPrintable(path));
        }
    }

    // Last: it takes the sandbox's machine apart. As root it stops both jobs and removes everything but, when asked,
    // the configuration; the next run takes that, and the one after finds nothing left.
    void uninstallLeavesNothing()
    {
        QProcess::execute(m_box.paths().launchctl, {"start", kAgent}); // which starts the daemon, enrolled
        QTRY_VERIFY_WITH_TIMEOUT(m_box.isDaemonRunning(), 20000);
        const contract::AgentPaths paths = m_box.paths();
        const QStringList removed{paths.agentJobFile, paths.daemonJobFile, paths.applicationBundle, paths.logDirectory};
        Run run = enroll("root", {"uninstall", "--keep-configuration"});
        QCOMPARE(run.out, "Unloaded the job " + kAgent + " of user " + QString::number(::getuid()) +
                              "\nUnloaded the job " + kService + "\nRemoved " + removed.join("\nRemoved ") + "\nKept " +
                              paths.installedConfigDirectory +
                              "\nForgot the package receipt com.kelvane.osagent.pkg\n");
        for (const QString &path : removed)
            QVERIFY2(!QFile::exists(path), qPrintable(path));
        QVERIFY(QFile::exists(paths.installedConfigFile));
        for (const QString &label : {kAgent, kService})
            QVERIFY(QProcess::execute(paths.launchctl, {"print", "system/" + label}) != 0);
        QVERIFY(!m_box.isDaemonRunning());
        QVERIFY(!QFile::exists(m_box.jobDirectory(kAgent) + "/pid"));
        QCOMPARE(contentOf(m_box.receiptsFile()), "");

        run = enroll("root", {"uninstall", "--json"});
        QCOMPARE(QJsonDocument::fromJson(run.out).object(),
                 (QJsonObject{{"kept", QJsonArray()},
                              {"message", "Removed " + paths.installedConfigDirectory},
                              {"ok", true},
                              {"removed", QJsonArray{paths.installedConfigDirectory}},
                              {"status", 0}}));
        QVERIFY(!QFile::exists(paths.installedConfigDirectory));
        run = enroll("root", {"uninstall"});
        QCOMPARE(run.out, "Nothing left to remove.\n");
    }

private:
    // Runs the command and keeps what it showed of itself: its argument list, read while it waits for its
    // standard input, and its output.
    Run enroll(const QString &mode, const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess process;
        process.start(QString::fromUtf8(tools::kEnroll), QStringList{m_box.root(), mode} + arguments);
        if (!process.waitForStarted())
            return {};
        m_seen << contentOf(QString("/proc/%1/cmdline").arg(process.processId())).toUtf8();
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        const Run run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                      process.readAllStandardOutput(), process.readAllStandardError()};
        m_seen << run.out << run.err;
        ++m_runs;
        return run;
    }

    void stopJobs() const
    {
        for (const QString &label : {kAgent, kService})
            QProcess::execute(m_box.paths().launchctl, {"stop", label});
    }

    QString installedGuid() const { return contentOf(m_box.paths().installedConfigFile).section("guid=", 1).trimmed(); }

    QTemporaryDir m_dir;
    Sandbox m_box{m_dir.path() + "/sandbox"};
    SandboxSession m_session{m_box};
    QByteArrayList m_seen;
    int m_runs = 0;
};

QTEST_GUILESS_MAIN(EnrollTest)
#include "tst_enroll.moc"
