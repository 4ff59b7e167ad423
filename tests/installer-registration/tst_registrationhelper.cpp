#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "platform/ProcessEnvironment.h"
#include "tests/support/ScriptDir.h"

#include <QTest>

#include <sys/stat.h>

using installer::RegistrationHelper;

namespace {

const QString kLabel = contract::toQString(contract::kGuiAgentLabel);
enum class Fault { None, CancelledPrompt, FailingStop };

// Records each command and runs it as our own user, or answers like a cancelled prompt. Whatever stands in for
// someone else runs first, as it could while the authorisation dialog is open.
struct FakeAdministratorShell : platform::AdministratorShell
{
    void run(const QString &command) override
    {
        commands << command;
        if (cancels)
            throw platform::AdministratorShellError("User canceled.");
        if (!meanwhile.isEmpty())
            platform::runChildProcess({"/bin/sh", {"-c", meanwhile}, {}, false});
        platform::DirectAdministratorShell("/bin/sh").run(command);
    }
    QStringList commands;
    bool cancels = false;
    QString meanwhile; // a shell command line, run in the test's directory
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
    platform::CapturingLogSink m_log;
    contract::AgentPaths m_paths;

    RegistrationHelper helper() { return RegistrationHelper(m_paths, m_shell, m_log); }

    int sh(const QString &command) const
    {
        return platform::runChildProcess({"/bin/sh", {"-c", "cd '" + m_dir->path() + "' && " + command}, {}, false})
            .status;
    }
    static int modeOf(const QString &path)
    {
        struct stat status = {};
        return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
    }
    QStringList installedEntries() const
    {
        return QDir(m_dir->filePath("Application Support/osagent"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
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
        qunsetenv("QMX_STANDIN_STAGE");
        qunsetenv("FAIL");
        m_dir = std::make_unique<ScriptDir>();
        m_shell = {};
        m_log = {};
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
        RegistrationHelper helper = this->helper();
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
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }),
                 reason.replace('@', m_paths.launchctl));
        // Moved out of the user's reach, checked there, installed for root alone.
        const QString install =
            QString(R"(mkdir -p -m 755 "@/Application Support/osagent" && )"
                    R"(t=$(mktemp -d "@/Application Support/osagent/.staged.XXXXXX") && trap 'rm -Rf "$t"' EXIT && )"
                    R"(mv -f "@/staging/.qmx-osagent.cfg" "$t/.qmx-osagent.cfg" && )"
                    R"x([ -n "$(find "$t/.qmx-osagent.cfg" -type f -links 1 -user UID)" ] && )x"
                    R"(install -m 600 "$t/.qmx-osagent.cfg" "@/Application Support/osagent/.qmx-osagent.cfg" && )"
                    R"(rm -Rf @/staging)")
                .replace('@', m_dir->path())
                .replace("UID", QString::number(::geteuid()));
        QCOMPARE(m_shell.commands, status == 0 ? QStringList{install} : QStringList());
        const bool installed = status == 0 && fault != Fault::CancelledPrompt;
        const QString installedFile = m_dir->filePath("Application Support/osagent/.qmx-osagent.cfg");
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), installed ? "cfg" : "");
        QCOMPARE(modeOf(installedFile), installed ? 0600 : -1); // root's alone, however it was before
        QCOMPARE(installedEntries(), installed ? QStringList{".qmx-osagent.cfg"} : QStringList());
        QCOMPARE(QFileInfo::exists(m_paths.stagedConfigFile), !installed);
        QString calls = installed ? "stop " + kLabel + "\n" : "";
        if (installed && fault != Fault::FailingStop)
            calls += "list " + kLabel + "\nstart " + kLabel + "\n"; // no "PID" listed: nothing to wait for
        QCOMPARE(m_dir->read("launchctl.calls"), calls.toUtf8());
    }

    void whatWasCheckedIsWhatIsInstalled_data()
    {
        QTest::addColumn<QString>("meanwhile"); // what code running as the user does while the dialog is open
        const QString swap = "rm staging/.qmx-osagent.cfg && ";
        QTest::newRow("swapped for a link to another file") << swap + "ln -s \"$PWD/secret\" staging/.qmx-osagent.cfg";
        // Linux forbids hard links to others' files to all but root; macOS does not.
        QTest::newRow("swapped for a hard link to another user's file")
            << "{ [ \"$(id -u)\" != 0 ] || chown 65534 secret; } && " + swap + "ln secret staging/.qmx-osagent.cfg";
        QTest::newRow("swapped for a directory") << swap + "mkdir staging/.qmx-osagent.cfg";
    }

    // The user's checks pass; then, before root's command runs, the staged file is not what was checked.
    void whatWasCheckedIsWhatIsInstalled()
    {
        QFETCH(QString, meanwhile);
        QCOMPARE(sh("mkdir -m 0700 staging && printf cfg > staging/.qmx-osagent.cfg && printf s > secret && "
                    "chmod 600 secret"),
                 0);
        m_shell.meanwhile = "cd '" + m_dir->path() + "' && " + meanwhile;
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }),
                 "Can't execute script exit status 1");
        QCOMPARE(installedEntries(), QStringList()); // nothing installed, nothing left behind
        QCOMPARE(m_dir->read("secret"), "s");
        QCOMPARE(m_dir->read("launchctl.calls"), QByteArray());
    }

    void someoneElsesStagingDirectoryIsPassedBy_data()
    {
        QTest::addColumn<QString>("setUp"); // "foreign": another user's
        QTest::addColumn<QString>("squatted");
        QTest::newRow("another user's") << "foreign"
                                        << "";
        QTest::newRow("a link to a directory of ours") << "mkdir -m 0700 real && ln -s \"$PWD/real\" staging"
                                                       << "real";
        QTest::newRow("open to others") << "mkdir -m 0777 staging"
                                        << "staging";
    }

    // Whoever made the staging directory first cannot stop a registration: it stages in a fresh directory of
    // our own, installs from there, removes it, and says so in the log only.
    void someoneElsesStagingDirectoryIsPassedBy()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, squatted);
        if (setUp == "foreign" && ::geteuid() == 0)
            QCOMPARE(sh("mkdir staging && chown 65534 staging"), 0);
        else if (setUp == "foreign")
            m_paths.stagingDirectory = "/usr"; // root's
        else
            QCOMPARE(sh(setUp), 0);
        qputenv("QMX_STANDIN_STAGE", "cfg");
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }), "no error");

        const QByteArrayList environment = recorded("environment");
        const auto dataPath = std::find_if(environment.begin(), environment.end(), [](const QByteArray &entry) {
            return entry.startsWith("OS_AGENT_DATA_PATH=");
        });
        QVERIFY(dataPath != environment.end());
        const QString privateDirectory = QFile::decodeName(dataPath->mid(19));
        QCOMPARE(QFileInfo(privateDirectory).absolutePath(), QDir::tempPath());
        QVERIFY2(QFileInfo(privateDirectory).fileName().startsWith("osagent."), qPrintable(privateDirectory));
        QVERIFY(environment.contains("OS_AGENT_LOG_PATH=" + dataPath->mid(19)));
        QVERIFY(!QFileInfo::exists(privateDirectory)); // removed once installed
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), "cfg");
        QVERIFY(squatted.isEmpty() || QDir(m_dir->filePath(squatted)).isEmpty()); // nothing written there
        QCOMPARE(m_log.entries().size(), 1);
        QCOMPARE(m_log.entries().constFirst().message,
                 "Enroller.RegistrationHelper staging directory " + m_paths.stagingDirectory +
                     " is another user's or unsafe; staging in " + privateDirectory + " instead");
    }

    void unsafeStagingIsRefused_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("reason"); // @ stands for the temporary directory
        const QString dir = "The staging directory '@/staging' ";
        const QString file = "The staged configuration file '@/staging/.qmx-osagent.cfg' ";
        const QString staging = "mkdir -m 0700 staging && ";
        const QString staged = " staging/.qmx-osagent.cfg";
        QTest::newRow("file is a link") << staging + "ln -s \"$PWD/x\"" + staged << file + "is a symbolic link";
        QTest::newRow("directory opened after the run")
            << "mkdir -m 0777 staging && touch" + staged << dir + "is writable by other users";
        QTest::newRow("file is a directory") << staging + "mkdir" + staged << file + "is not a regular file";
        QTest::newRow("file is a pipe") << staging + "mkfifo" + staged << file + "is not a regular file";
        QTest::newRow("a blank in the directory's path, which the root command could split")
            << "blank"
            << "Can't install the configuration: the path '@/stag ing' is not safe in a shell command";
    }

    // Checked, with a staged file in place, before anyone is asked to authorise the copy as root.
    void unsafeStagingIsRefused()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, reason);
        if (setUp == "blank") {
            m_paths.stagingDirectory = m_dir->filePath("stag ing");
            m_paths.stagedConfigFile = m_dir->filePath("stag ing/.qmx-osagent.cfg");
            QCOMPARE(sh("mkdir -m 0700 'stag ing' && touch 'stag ing/.qmx-osagent.cfg'"), 0);
        } else {
            QCOMPARE(sh("touch x && " + setUp), 0);
        }
        QCOMPARE(reasonOf([this] { helper().startService(); }), reason.replace('@', m_dir->path()));
        QVERIFY(m_shell.commands.isEmpty());
    }
};

QTEST_GUILESS_MAIN(RegistrationHelperTest)
#include "tst_registrationhelper.moc"
