#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/ProcessEnvironment.h"
#include "tests/support/ScriptDir.h"

#include <QTest>

using installer::RegistrationHelper;

namespace {

const QString kLabel = contract::toQString(contract::kGuiAgentLabel);
enum class Fault { None, CancelledPrompt, FailingStop };

// Records each command and runs it as our own user, or answers like a cancelled prompt.
struct FakeAdministratorShell : platform::AdministratorShell
{
    void run(const QString &command) override
    {
        commands << command;
        if (cancels)
            throw platform::AdministratorShellError("User canceled.");
        platform::runChildProcess({"/bin/sh", {"-c", command}, {}, false});
    }
    QStringList commands;
    bool cancels = false;
};

QString reasonOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const installer::RegistrationError &error) {
        return error.reason();
    }
    return "no error";
}

} // namespace

Q_DECLARE_METATYPE(Fault)

// The stand-in daemon runs for real; its records, the staging and install directories and the fake launchctl
// live in one temporary directory per test.
class RegistrationHelperTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptDir> m_dir;
    FakeAdministratorShell m_shell;
    contract::AgentPaths m_paths;

    int sh(const QString &command) const
    {
        return platform::runChildProcess({"/bin/sh", {"-c", "cd '" + m_dir->path() + "' && " + command}, {}, false})
            .status;
    }
    QByteArrayList recorded(const QString &name) const // each entry ends with a NUL
    {
        QByteArrayList entries = m_dir->read(name).split('\0');
        entries.removeLast();
        return entries;
    }

private slots:
    void init()
    {
        qunsetenv("QMX_STANDIN_SIGNAL"); // every other variable is set by the rows that need it
        m_dir = std::make_unique<ScriptDir>();
        m_shell = {};
        qputenv("QMX_STANDIN_RECORD_DIR", m_dir->path().toUtf8());
        qputenv("QMX_STANDIN_EXIT_STATUS", "0"); // scripted, not the stand-in's own registration
        m_paths.daemonExecutable = STANDIN_DAEMON;
        m_paths.stagingDirectory = m_dir->filePath("staging");
        m_paths.stagedConfigFile = m_dir->filePath("staging/.qmx-osagent.cfg");
        m_paths.installedConfigDirectory = m_dir->filePath("Application Support/osagent");
        m_paths.launchctl = m_dir->write(
            "launchctl", R"(echo "$*" >> "$0.calls"; [ "$1" != "$FAIL" ] || { echo 'No such process'; exit 3; })");
    }

    void runsDaemonWithExactVectorAndEnvironment_data()
    {
        QTest::addColumn<QString>("guid"); // empty: a new registration
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArrayList>("arguments");
        const QString odd = u" a \"b\" \\c $(touch x) `id`\nÄ€ "_qs;
        QTest::newRow("register, odd value") << "" << odd << QByteArrayList{"-r", "L", "A", odd.toUtf8(), "-n", "N"};
        QTest::newRow("re-register") << "G" << QString() << QByteArrayList{"-e", "G", "L", "A", "", "-n", "N"};
    }

    // Nothing staged: success without a prompt or a restart. The daemon gets our environment byte for
    // byte, with only the two paths replaced.
    void runsDaemonWithExactVectorAndEnvironment()
    {
        QFETCH(QString, guid);
        QFETCH(QString, value);
        qputenv("OS_AGENT_DATA_PATH", "/elsewhere");
        qputenv("OS_AGENT_LOG_PATH", "/elsewhere");
        qputenv("KELVANE_NOT_UTF8", "caf\xe9 \xff\xfe\x80");
        RegistrationHelper helper(m_paths, m_shell);
        QCOMPARE(reasonOf([&] {
                     if (guid.isEmpty())
                         helper.registerWithAddress("A", "L", value, "N");
                     else
                         helper.reRegisterWithAgentGuid(guid, "A", "L", value, "N");
                 }),
                 "no error");
        QTEST(recorded("arguments"), "arguments");
        QByteArrayList expected{"OS_AGENT_DATA_PATH=" + QFile::encodeName(m_paths.stagingDirectory),
                                "OS_AGENT_LOG_PATH=" + QFile::encodeName(m_paths.stagingDirectory)};
        for (char **entry = platform::systemEnvironmentTable(); *entry; ++entry) {
            if (!QByteArray(*entry).startsWith("OS_AGENT_"))
                expected << *entry;
        }
        QByteArrayList environment = recorded("environment");
        QVERIFY(environment.contains("KELVANE_NOT_UTF8=caf\xe9 \xff\xfe\x80"));
        std::sort(environment.begin(), environment.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(environment, expected);
        QVERIFY(m_shell.commands.isEmpty());
        QCOMPARE(m_dir->read("launchctl.calls"), QByteArray());
        QCOMPARE(QFileInfo(m_paths.stagingDirectory).permissions() & 0x0777, 0x0700); // created for us alone
    }

    void daemonStatusDecidesTheInstall_data()
    {
        QTest::addColumn<int>("status"); // negative: ended by that signal
        QTest::addColumn<QString>("output");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason"); // @ stands for launchctl's path
        const QString failed = "Process failed with exit code: ";
        QTest::newRow("1 silent") << 1 << "" << Fault::None << failed + "1\n\n";
        QTest::newRow("7 with output") << 7 << "%2 bad\n" << Fault::None << failed + "7\n\n%2 bad\n";
        QTest::newRow("SIGQUIT is no exit status 3") << -3 << "" << Fault::None << failed + "-3\n\n";
        QTest::newRow("SIGILL is no exit status 4") << -4 << "" << Fault::None << failed + "-4\n\n";
        QTest::newRow("0: installed into a new directory, then restarted") << 0 << "" << Fault::None << "no error";
        QTest::newRow("0, cancelled") << 0 << "" << Fault::CancelledPrompt << "Can't execute script User canceled.";
        QTest::newRow("0, failing stop") << 0 << "" << Fault::FailingStop
                                         << "Process '@' failed with exit code: 3\n\nNo such process\n";
    }

    // Only a successful registration copies the staged file, even when a stale one lies there; the staging
    // directory goes only once the file arrived; launchctl stops and starts the launch agent, in that order.
    void daemonStatusDecidesTheInstall()
    {
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(Fault, fault);
        QFETCH(QString, reason);
        qputenv(status < 0 ? "QMX_STANDIN_SIGNAL" : "QMX_STANDIN_EXIT_STATUS", QByteArray::number(std::abs(status)));
        qputenv("QMX_STANDIN_OUTPUT", output.toUtf8());
        m_shell.cancels = fault == Fault::CancelledPrompt;
        qputenv("FAIL", fault == Fault::FailingStop ? "stop" : "");
        QCOMPARE(sh("mkdir -m 0700 staging && printf cfg > staging/.qmx-osagent.cfg"), 0);
        QCOMPARE(reasonOf([this] { RegistrationHelper(m_paths, m_shell).registerWithAddress("A", "L", "P", "N"); }),
                 reason.replace('@', m_paths.launchctl));
        const QString copy = QString(R"(mkdir -p "@/Application Support/osagent" && )"
                                     R"(cp "@/staging/.qmx-osagent.cfg" "@/Application Support/osagent" && )"
                                     R"(rm -Rf @/staging)")
                                 .replace('@', m_dir->path());
        QCOMPARE(m_shell.commands, status == 0 ? QStringList{copy} : QStringList());
        const bool installed = status == 0 && fault != Fault::CancelledPrompt;
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), installed ? "cfg" : "");
        QCOMPARE(QFileInfo::exists(m_paths.stagedConfigFile), !installed);
        QString calls = installed ? "stop " + kLabel + "\n" : "";
        if (installed && fault != Fault::FailingStop)
            calls += "list " + kLabel + "\nstart " + kLabel + "\n"; // no "PID" listed: nothing to wait for
        QCOMPARE(m_dir->read("launchctl.calls"), calls.toUtf8());
    }

    void unsafeStagingIsRefused_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("reason"); // @ stands for the temporary directory
        const QString dir = "The staging directory '@/staging' ";
        const QString file = "The staged configuration file '@/staging/.qmx-osagent.cfg' ";
        const QString staging = "mkdir -m 0700 staging && ";
        const QString staged = " staging/.qmx-osagent.cfg";
        QTest::newRow("directory is a link") << "ln -s \"$PWD\" staging" << dir + "is a symbolic link";
        QTest::newRow("others may write") << "mkdir -m 0770 staging" << dir + "is writable by other users";
        QTest::newRow("another owner") << "foreign"
                                       << "The staging directory '@' belongs to another user";
        QTest::newRow("file is a link") << staging + "ln -s \"$PWD/x\"" + staged << file + "is a symbolic link";
        QTest::newRow("directory opened after the run")
            << "mkdir -m 0777 staging && touch" + staged << dir + "is writable by other users";
        QTest::newRow("file is a directory") << staging + "mkdir" + staged << file + "is not a regular file";
        QTest::newRow("file is a pipe") << staging + "mkfifo" + staged << file + "is not a regular file";
        QTest::newRow("a blank in the directory's path, which the root command could split")
            << "blank"
            << "Can't install the configuration: the path '@/stag ing' is not safe in a shell command";
    }

    // Checked before the daemon runs and again, with a staged file in place, before the copy as root.
    void unsafeStagingIsRefused()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, reason);
        if (setUp == "blank") {
            m_paths.stagingDirectory = m_dir->filePath("stag ing");
            m_paths.stagedConfigFile = m_dir->filePath("stag ing/.qmx-osagent.cfg");
            QCOMPARE(sh("mkdir -m 0700 'stag ing' && touch 'stag ing/.qmx-osagent.cfg'"), 0);
            reason.replace('@', m_dir->path());
        } else if (setUp == "foreign") {
            // Someone else's directory: as the superuser, one given away; as anyone else, one of root's.
            if (::geteuid() == 0)
                QCOMPARE(sh("mkdir staging && chown 65534 staging"), 0);
            else
                m_paths.stagingDirectory = "/usr";
            reason.replace('@', m_paths.stagingDirectory);
        } else {
            QCOMPARE(sh("touch x && " + setUp), 0);
            reason.replace('@', m_dir->path());
        }
        RegistrationHelper helper(m_paths, m_shell);
        const bool staged = setUp.contains(".cfg") || setUp == "blank";
        QCOMPARE(reasonOf([&] { staged ? helper.startService() : helper.runOsAgentWithArguments({}); }), reason);
        QCOMPARE(recorded("arguments"), QByteArrayList()); // the daemon never ran
        QVERIFY(m_shell.commands.isEmpty());
    }

    void administratorSourceEscapesQuotesOnly()
    {
        QCOMPARE(
            platform::administratorScriptSource(platform::escapeDoubleQuotes("cp \"a b\" \"c\\d\" && echo 'x\\n'")),
            QString("do shell script \"cp \\\"a b\\\" \\\"c\\d\\\" && echo 'x\\n'\" with administrator privileges"));
    }
};

QTEST_GUILESS_MAIN(RegistrationHelperTest)
#include "tst_registrationhelper.moc"
