#include "AdministratorShell.h"
#include "ChildProcess.h"
#include "RegistrationError.h"
#include "RegistrationHelper.h"
#include "ScriptDir.h"

#include <QTest>

#include <functional>
#include <memory>
#include <unistd.h>

using installer::RegistrationHelper;

namespace {

const QString kLabel = contract::toQString(contract::kGuiAgentLabel);

// Records each command and runs it as our own user, or answers like a cancelled prompt.
class FakeAdministratorShell : public platform::AdministratorShell
{
public:
    void run(const QString &command) override
    {
        commands << command;
        if (cancels)
            throw platform::AdministratorShellError("User canceled.");
        if (platform::runChildProcess({"/bin/sh", {"-c", command}, {}, false}).status != 0)
            throw platform::AdministratorShellError("exit status 1");
    }
    QStringList commands;
    bool cancels = false;
};

int sh(const QString &directory, const QString &command)
{
    return platform::runChildProcess({"/bin/sh", {"-c", "cd '" + directory + "' && " + command}, {}, false}).status;
}

} // namespace

// The stand-in daemon runs for real; its records, the staging and install directories and the fake launchctl
// live in one temporary directory per test.
class RegistrationHelperTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptDir> m_dir;
    std::unique_ptr<FakeAdministratorShell> m_shell;
    contract::AgentPaths m_paths;

    QString attempt(const std::function<void(RegistrationHelper &)> &call)
    {
        RegistrationHelper helper(m_paths, *m_shell);
        try {
            call(helper);
        } catch (const installer::RegistrationError &error) {
            return error.reason();
        }
        return "no error";
    }

    QStringList recorded(const QString &name) const // each entry ends with a NUL
    {
        QStringList entries = QString::fromUtf8(m_dir->read(name)).split(QChar(0));
        entries.removeLast();
        return entries;
    }

private slots:
    void init()
    {
        for (const char *name : {"QMX_STANDIN_OUTPUT", "QMX_STANDIN_EXIT_STATUS", "QMX_STANDIN_SIGNAL", "FAILING"})
            qunsetenv(name);
        m_dir = std::make_unique<ScriptDir>();
        m_shell = std::make_unique<FakeAdministratorShell>();
        qputenv("QMX_STANDIN_RECORD_DIR", m_dir->path("").toUtf8());
        qputenv("QMX_STANDIN_EXIT_STATUS", "0"); // scripted, not the stand-in's own registration
        m_paths.daemonExecutable = STANDIN_DAEMON;
        m_paths.stagingDirectory = m_dir->path("staging");
        m_paths.stagedConfigFile = m_dir->path("staging/.qmx-osagent.cfg");
        m_paths.installedConfigDirectory = m_dir->path("Application Support/osagent");
        m_paths.launchctl = m_dir->write("launchctl", R"(echo "$*" >> "$0.calls"; [ "$1" != "$FAILING" ] || {
            echo 'No such process'; exit 3; })");
    }

    void runsDaemonWithExactVector_data()
    {
        QTest::addColumn<QString>("guid"); // empty: a new registration
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("register") << ""
                                  << "v" << QStringList{"-r", "L", "A", "v", "-n", "N"};
        const QString odd = u" a \"b\" \\c $(touch x) `id`\nÄ€ "_qs;
        QTest::newRow("odd value") << "" << odd << QStringList{"-r", "L", "A", odd, "-n", "N"};
        QTest::newRow("re-register") << "G"
                                     << "" << QStringList{"-e", "G", "L", "A", "", "-n", "N"};
    }

    void runsDaemonWithExactVector()
    {
        QFETCH(QString, guid);
        QFETCH(QString, value);
        QFETCH(QStringList, arguments);
        QCOMPARE(attempt([&](RegistrationHelper &helper) {
                     guid.isEmpty() ? helper.registerWithAddress("A", "L", value, "N")
                                    : helper.reRegisterWithAgentGuid(guid, "A", "L", value, "N");
                 }),
                 "no error");
        QCOMPARE(recorded("arguments"), arguments);
        // Nothing staged: success without a prompt or a restart.
        QVERIFY(m_shell->commands.isEmpty());
        QCOMPARE(m_dir->read("launchctl.calls"), QByteArray());
        QCOMPARE(QFileInfo(m_paths.stagingDirectory).permissions() & 0x0777, 0x0700); // created for us alone
    }

    void daemonGetsOurEnvironmentWithStagingOverrides()
    {
        qputenv("OS_AGENT_DATA_PATH", "/elsewhere");
        qputenv("OS_AGENT_LOG_PATH", "/elsewhere");
        QProcessEnvironment expected = QProcessEnvironment::systemEnvironment();
        expected.insert("OS_AGENT_DATA_PATH", m_paths.stagingDirectory);
        expected.insert("OS_AGENT_LOG_PATH", m_paths.stagingDirectory);
        QCOMPARE(attempt([](RegistrationHelper &helper) { helper.runOsAgentWithArguments({}); }), "no error");
        QStringList environment = recorded("environment");
        QStringList expectedEntries = expected.toStringList();
        environment.sort();
        expectedEntries.sort();
        QCOMPARE(environment, expectedEntries);
    }

    void failedDaemonIsReportedAndNothingCopied_data()
    {
        QTest::addColumn<QByteArray>("status"); // none: ended by SIGTERM
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("reason");
        const QString generic = "Process failed with exit code: ";
        QTest::newRow("3") << QByteArray("3") << QByteArray("noise") << "Can't connect to server";
        QTest::newRow("4") << QByteArray("4") << QByteArray("noise") << "Incorrect credential provided";
        QTest::newRow("5") << QByteArray("5") << QByteArray("noise") << "Incorrect address provided";
        QTest::newRow("1 silent") << QByteArray("1") << QByteArray() << generic + "1\n\n";
        QTest::newRow("7 with output") << QByteArray("7") << QByteArray("%2 bad\n") << generic + "7\n\n%2 bad\n";
        QTest::newRow("long output cut") << QByteArray("7") << QByteArray(4001, 'x')
                                         << generic + "7\n\n…\n" + QString(4000, 'x');
        QTest::newRow("cut keeps characters whole")
            << QByteArray("7") << "\U0001F600" + QByteArray(3999, 'x') << generic + "7\n\n…\n" + QString(3999, 'x');
        QTest::newRow("signal") << QByteArray() << QByteArray() << generic + "15\n\n";
    }

    void failedDaemonIsReportedAndNothingCopied()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, output);
        QFETCH(QString, reason);
        qputenv(status.isEmpty() ? "QMX_STANDIN_SIGNAL" : "QMX_STANDIN_EXIT_STATUS", status.isEmpty() ? "15" : status);
        qputenv("QMX_STANDIN_OUTPUT", output);
        QCOMPARE(sh(m_dir->path(""), "mkdir -m 0700 staging && echo stale > staging/.qmx-osagent.cfg"), 0);
        QCOMPARE(attempt([](RegistrationHelper &helper) { helper.registerWithAddress("A", "L", "P", "N"); }), reason);
        QVERIFY(m_shell->commands.isEmpty());
        QCOMPARE(m_dir->read("launchctl.calls"), QByteArray());
    }

    void installsStagedConfigurationThenRestarts_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QByteArray>("failing"); // the launchctl verb that fails
        QTest::addColumn<bool>("cancels");
        QTest::addColumn<QString>("reason"); // @ stands for launchctl's path
        QTest::addColumn<QString>("calls");
        const QString restart = "stop " + kLabel + "\nstart " + kLabel + "\n";
        QTest::newRow("target directory exists")
            << "mkdir -p 'Application Support/osagent'" << QByteArray() << false << "no error" << restart;
        QTest::newRow("target directory missing") << "true" << QByteArray() << false << "no error" << restart;
        QTest::newRow("cancelled prompt") << "true" << QByteArray() << true << "Can't execute script User canceled."
                                          << "";
        QTest::newRow("failed stop") << "true" << QByteArray("stop") << false
                                     << "Process '@' failed with exit code: 3\n\nNo such process\n"
                                     << "stop " + kLabel + "\n";
    }

    void installsStagedConfigurationThenRestarts()
    {
        QFETCH(QString, setUp);
        QFETCH(QByteArray, failing);
        QFETCH(bool, cancels);
        QFETCH(QString, reason);
        QFETCH(QString, calls);
        m_shell->cancels = cancels;
        qputenv("FAILING", failing);
        QCOMPARE(sh(m_dir->path(""), setUp + " && mkdir -m 0700 staging && printf cfg > staging/.qmx-osagent.cfg"), 0);
        QCOMPARE(attempt([](RegistrationHelper &helper) { helper.registerWithAddress("A", "L", "P", "N"); }),
                 reason.replace('@', m_paths.launchctl));
        QCOMPARE(m_shell->commands, QStringList{QString("mkdir -p \"%1\" && cp \"%2\" \"%1\" && rm -Rf %3")
                                                    .arg(m_paths.installedConfigDirectory, m_paths.stagedConfigFile,
                                                         m_paths.stagingDirectory)});
        // Installed, with the staging directory gone, unless the prompt was cancelled.
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), cancels ? "" : QByteArray("cfg"));
        QCOMPARE(QFileInfo::exists(m_paths.stagedConfigFile), cancels);
        QCOMPARE(m_dir->read("launchctl.calls"), calls.toUtf8());
    }

    void unsafeStagingIsRefused_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("reason"); // @ stands for the temporary directory
        const QString dir = "The staging directory '@/staging' ";
        const QString file = "The staged configuration file '@/staging/.qmx-osagent.cfg' ";
        QTest::newRow("directory is a link") << "ln -s \"$PWD\" staging" << dir + "is a symbolic link";
        QTest::newRow("others may write") << "mkdir -m 0770 staging" << dir + "is writable by other users";
        QTest::newRow("directory of another user")
            << "mkdir staging && chown 65534 staging" << dir + "belongs to another user";
        QTest::newRow("file is a link") << "mkdir -m 0700 staging && ln -s \"$PWD/x\" staging/.qmx-osagent.cfg"
                                        << file + "is a symbolic link";
        QTest::newRow("file of another user")
            << "mkdir -m 0700 staging && touch staging/.qmx-osagent.cfg && chown 65534 staging/.qmx-osagent.cfg"
            << file + "belongs to another user";
        QTest::newRow("directory opened after the run")
            << "mkdir -m 0777 staging && touch staging/.qmx-osagent.cfg" << dir + "is writable by other users";
    }

    void unsafeStagingIsRefused()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, reason);
        if (setUp.contains("chown") && ::geteuid() != 0)
            QSKIP("only the superuser can give a file to another user");
        QCOMPARE(sh(m_dir->path(""), "touch x && " + setUp), 0);
        // With a staged file in place the check before the copy is the one that matters.
        const bool staged = setUp.contains(".cfg");
        QCOMPARE(attempt([&](RegistrationHelper &helper) {
                     staged ? helper.startService() : helper.runOsAgentWithArguments({});
                 }),
                 reason.replace('@', m_dir->path("")));
        QCOMPARE(recorded("arguments"), QStringList()); // the daemon never ran
        QVERIFY(m_shell->commands.isEmpty());
    }

    void pathTheRootShellWouldMisreadIsNeverRun()
    {
        m_paths.stagingDirectory = m_dir->path("sta ging"); // rm -Rf would take it as two paths
        m_paths.stagedConfigFile = m_paths.stagingDirectory + "/.qmx-osagent.cfg";
        QCOMPARE(sh(m_dir->path(""), "mkdir -m 0700 'sta ging' && touch 'sta ging/.qmx-osagent.cfg'"), 0);
        QCOMPARE(attempt([](RegistrationHelper &helper) { helper.startService(); }),
                 "Can't install the configuration: the path '" + m_paths.stagingDirectory +
                     "' is not safe in a shell command");
        QVERIFY(m_shell->commands.isEmpty());
    }
};

QTEST_GUILESS_MAIN(RegistrationHelperTest)
#include "tst_registrationhelper.moc"
