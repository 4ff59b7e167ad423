#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "platform/ProcessEnvironment.h"
#include "tests/support/ScriptDir.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

using installer::RegistrationHelper;

// A label goes verbatim into a root shell command line: only what no shell reads specially may pass.
static_assert(contract::detail::isShellSafeLabel("com.kelvane.osagent-agent_2") &&
              std::ranges::none_of(std::array<std::string_view, 9>{"com.kelvane;id", "a|b", "$(id)", "a'b", "a*", "a&b",
                                                                   "caf\xc3\xa9", "-x", ""},
                                   contract::detail::isShellSafeLabel));

namespace {

const QString kLabel = contract::toQString(contract::kGuiAgentLabel);
enum class Fault { None, CancelledPrompt, FailingStop };

// Records each command and runs it as our own user, or answers like a cancelled prompt. Whatever stands in for
// someone else runs first, as it could while the authorisation dialog is open.
struct FakeAdministratorShell : platform::AdministratorShell
{
    uid_t commandUser() const override { return user; }
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
    uid_t user = ::geteuid();
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
        for (const char *name : {"QMX_STANDIN_SIGNAL", "QMX_STANDIN_STAGE", "QMX_STANDIN_OUTPUT", "FAIL"})
            qunsetenv(name); // every other variable is set by the rows that need it
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
        for (char **entry = platform::systemEnvironmentTable(); *entry; ++entry)
            if (!QByteArray(*entry).startsWith("OS_AGENT_"))
                expected << *entry;
        QByteArrayList environment = recorded("environment");
        std::sort(environment.begin(), environment.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(environment, expected);
        QVERIFY(m_shell.commands.isEmpty());
        QCOMPARE(m_dir->read("launchctl.calls"), QByteArray());
        QCOMPARE(QFileInfo(m_paths.stagingDirectory).permissions() & 0x0777, 0x0700); // created for us alone
    }

    void formAndDaemonEndInAMessage_data()
    {
        QTest::addColumn<QStringList>("form");  // address, login, password, name
        QTest::addColumn<QByteArray>("daemon"); // a script, "missing", "not executable"; none: the stand-in
        QTest::addColumn<QString>("reason");    // @ stands for the daemon's path
        QTest::addColumn<QString>("log");       // what reaches the log of the daemon's standard error
        const QStringList form{"A", "L", "P", "N"};
        const auto row = [](const char *name, const QStringList &form, const QByteArray &daemon, const QString &reason,
                            const QString &log = {}) { QTest::newRow(name) << form << daemon << reason << log; };
        row("form: 64 KiB in every field", QStringList(4, QString(65536, 'v')), {}, "no error");
        row("form: past the system's argument limit", {"A", "L", QString(4 << 20, 'p'), "N"}, {},
            "Can't run process '@'. Error: Argument list too long");
        const QString failed = "Process failed with exit code: 7\n\n";
        row("daemon: 10 MiB of output", form, "head -c 10485760 /dev/zero | tr '\\0' x; printf E; exit 7",
            failed + "…\n" + QString(3999, 'x') + "E");
        row("daemon: exactly 4,000 characters, shown whole", form, "head -c 4000 /dev/zero | tr '\\0' x; exit 7",
            failed + QString(4000, 'x'));
        row("daemon: the cut inside a surrogate pair drops its half", form,
            "printf '\\360\\237\\230\\200'; head -c 3999 /dev/zero | tr '\\0' y; exit 7",
            failed + "…\n" + QString(3999, 'y'));
        row("daemon: UTF-8 cut off at the end", form, "printf 'ok \\342\\202'; exit 7", failed);
        // A copy that the excerpt's cut would split is taken out whole, a piece of four characters as well, one of
        // three is left; the password is the form's third value.
        row("daemon: the password across the cut, pieces of it on standard error", {"A", "L", "s3cret-Pa55w0rd", "N"},
            "printf 'bad w0rd t-P\\n' >&2; printf 's3cret-Pa55w0rd'; head -c 3992 /dev/zero | tr '\\0' y; exit 7",
            failed + "********" + QString(3992, 'y'), "Enroller.RegistrationHelper qmx-osagent: bad ******** t-P");
        row("daemon: a child left holding standard error", form,
            "printf said >&2; { sleep 30; echo > \"$0.late\"; } >/dev/null & exit 7", failed,
            "Enroller.RegistrationHelper qmx-osagent: said");
        row("daemon: missing", form, "missing", "Can't run process '@'. Error: No such file or directory");
        row("daemon: not executable", form, "not executable", "Can't run process '@'. Error: Permission denied");
    }

    // Bad input, on the real helper: it ends in what the user should see; nothing is staged, so nothing installed.
    void formAndDaemonEndInAMessage()
    {
        QFETCH(QStringList, form);
        QFETCH(QByteArray, daemon);
        QFETCH(QString, reason);
        QFETCH(QString, log);
        if (!daemon.isNull())
            m_paths.daemonExecutable = m_dir->write("daemon", daemon);
        if (daemon == "not executable")
            QFile::setPermissions(m_paths.daemonExecutable, QFile::ReadOwner | QFile::WriteOwner);
        if (daemon == "missing")
            QFile::remove(m_paths.daemonExecutable);
        QCOMPARE(reasonOf([&] { helper().registerWithAddress(form[0], form[1], form[2], form[3]); }),
                 reason.replace('@', m_paths.daemonExecutable));
        // The stand-in records what it was given: each value as one argument, unchanged.
        const QStringList given{"-r", form[1], form[0], form[2], "-n", form[3], ""};
        QCOMPARE(QString::fromUtf8(m_dir->read("arguments")), reason == "no error" ? given.join(QChar(0)) : QString());
        QVERIFY(m_shell.commands.isEmpty());
        QCOMPARE(m_log.entries().size(), log.isEmpty() ? 0 : 1);
        QVERIFY(log.isEmpty() || m_log.entries().constFirst().message == log);
        QVERIFY(!QFile::exists(m_dir->filePath("daemon.late"))); // the registration ended before a child left behind
    }

    void daemonStatusDecidesTheInstall_data()
    {
        QTest::addColumn<int>("status"); // negative: ended by that signal
        QTest::addColumn<QString>("output");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason"); // @ stands for launchctl's path
        const QString failed = "Process failed with exit code: ";
        QTest::newRow("7 with output") << 7 << "%2 bad\n" << Fault::None << failed + "7\n\n%2 bad\n";
        QTest::newRow("SIGQUIT is no exit status 3") << -3 << "" << Fault::None << failed + "-3\n\n";
        QTest::newRow("0: installed, a killed run's folder gone, then restarted")
            << 0 << "" << Fault::None << "no error";
        QTest::newRow("0, cancelled") << 0 << "" << Fault::CancelledPrompt << "Can't execute script User canceled.";
        QTest::newRow("0, failing stop") << 0 << "" << Fault::FailingStop
                                         << "Process '@' failed with exit code: 3\n\nNo such process\n";
    }

    // Only a successful registration copies the staged file, even when a stale one lies there; the staging
    // directory goes only once the file arrived; root starts the daemon, then launchctl stops and starts the
    // launch agent, in that order.
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
        // What a killed run left in root's directory goes when root's command runs.
        QCOMPARE(m_dir->sh("mkdir -m 0700 staging && printf cfg > staging/.qmx-osagent.cfg && "
                           "mkdir -p 'Application Support/osagent/.staged.k1lled/s'"),
                 0);
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }),
                 reason.replace('@', m_paths.launchctl));
        // One root command, only after a successful run; what it does is what the checks below see.
        QCOMPARE(m_shell.commands.size(), status == 0 ? 1 : 0);
        const bool installed = status == 0 && fault != Fault::CancelledPrompt;
        const QString installedFile = m_dir->filePath("Application Support/osagent/.qmx-osagent.cfg");
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), installed ? "cfg" : "");
        QCOMPARE(modeOf(installedFile), installed ? 0600 : -1); // root's alone, however it was before
        QCOMPARE(installedEntries(), installed ? QStringList{".qmx-osagent.cfg"} : QStringList{".staged.k1lled"});
        QCOMPARE(QFileInfo::exists(m_paths.stagedConfigFile), !installed);
        QString calls = installed ? "kickstart -k system/com.kelvane.osagent\nstop " + kLabel + "\n" : "";
        if (installed && fault != Fault::FailingStop)
            calls += "list " + kLabel + "\nstart " + kLabel + "\n"; // no "PID" listed: nothing to wait for
        QCOMPARE(m_dir->read("launchctl.calls"), calls.toUtf8());
    }

    void whatWasCheckedIsWhatIsInstalled_data()
    {
        QTest::addColumn<QString>("meanwhile"); // what code running as the user does while the dialog is open
        QTest::addColumn<QString>("refused");   // what root's command says; @ stands for the test's directory
        const QString swap = "rm staging/.qmx-osagent.cfg && ";
        const QString file = "the staged configuration is not a regular file with one link owned by UID";
        QTest::newRow("the staging directory swapped for a link to the installed configuration's")
            << "mv staging gone && ln -s \"$PWD/Application Support/osagent\" staging"
            << "the staging directory @/staging is not a directory owned by UID";
        QTest::newRow("swapped for a link to another file")
            << swap + "ln -s \"$PWD/secret\" staging/.qmx-osagent.cfg" << file;
        // Linux forbids hard links to others' files to all but root; macOS does not.
        QTest::newRow("swapped for a hard link to another user's file")
            << "{ [ \"$(id -u)\" != 0 ] || chown 65534 secret; } && " + swap + "ln secret staging/.qmx-osagent.cfg"
            << file;
        QTest::newRow("swapped for a directory, which find does not enter")
            << swap + "mkdir staging/.qmx-osagent.cfg && printf x > staging/.qmx-osagent.cfg/x" << file;
        QTest::newRow("the installed configuration's directory swapped for a link")
            << "mv 'Application Support/osagent' elsewhere && ln -s \"$PWD/elsewhere\" 'Application Support/osagent'"
            << "the configuration directory @/Application Support/osagent is not a directory owned by UID that no "
               "one else can write";
    }

    // The user's checks pass; then, before root's command runs, what was checked is not what is there. Root's
    // command says which check failed, and the installed configuration is as it was.
    void whatWasCheckedIsWhatIsInstalled()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, refused);
        QCOMPARE(m_dir->sh("mkdir -m 0700 staging && printf cfg > staging/.qmx-osagent.cfg && printf s > secret && "
                           "chmod 600 secret && mkdir -p -m 755 'Application Support/osagent' && "
                           "printf installed > 'Application Support/osagent/.qmx-osagent.cfg'"),
                 0);
        m_shell.meanwhile = "cd '" + m_dir->path() + "' && " + meanwhile;
        refused.replace("UID", QString::number(::geteuid())).replace('@', m_dir->path());
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }),
                 "Can't execute script " + refused);
        QCOMPARE(m_log.entries().value(0).message, "Enroller.ProcessHelper Can't execute script " + refused);
        QCOMPARE(installedEntries(), QStringList{".qmx-osagent.cfg"}); // nothing left behind
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), "installed");
        QCOMPARE(m_dir->read("secret"), "s");
        QCOMPARE(m_dir->read("launchctl.calls"), QByteArray());
    }

    void someoneElsesStagingDirectoryIsPassedBy_data()
    {
        QTest::addColumn<QString>("setUp"); // "foreign": another user's
        QTest::addColumn<QString>("squatted");
        QTest::newRow("another user's") << QString("foreign") << QString();
        QTest::newRow("a link to a directory of ours")
            << QString("mkdir -m 0700 real && ln -s \"$PWD/real\" staging") << QString("real");
        QTest::newRow("open to others") << QString("mkdir -m 0777 staging") << QString("staging");
    }

    // Whoever made the staging directory first cannot stop a registration: it stages in a directory of our own,
    // installs from there, removes it, and says so in the log only. The one a failed registration left is taken
    // again, so that failures leave at most one.
    void someoneElsesStagingDirectoryIsPassedBy()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, squatted);
        if (setUp == "foreign" && ::geteuid() == 0)
            QCOMPARE(m_dir->sh("mkdir staging && chown 65534 staging"), 0);
        else if (setUp == "foreign")
            m_paths.stagingDirectory = "/usr"; // root's
        else
            QCOMPARE(m_dir->sh(setUp), 0);
        qputenv("QMX_STANDIN_STAGE", "cfg");
        qputenv("QMX_STANDIN_EXIT_STATUS", "1"); // a failed registration leaves one private directory
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }),
                 "Process failed with exit code: 1\n\n");
        const auto privateDirectories = [] { return QDir::temp().entryList({"osagent.*"}, QDir::Dirs | QDir::Hidden); };
        QCOMPARE(privateDirectories().size(), 1);
        const QString privateDirectory = QDir::temp().filePath(privateDirectories().constFirst());
        qputenv("QMX_STANDIN_EXIT_STATUS", "0"); // which the next takes again, and removes once installed
        QCOMPARE(reasonOf([this] { helper().registerWithAddress("A", "L", "P", "N"); }), "no error");
        const QByteArrayList environment = recorded("environment");
        for (const QByteArray variable : {"OS_AGENT_DATA_PATH=", "OS_AGENT_LOG_PATH="})
            QVERIFY(environment.contains(variable + QFile::encodeName(privateDirectory)));
        QCOMPARE(privateDirectories(), QStringList());
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg"), "cfg");
        QVERIFY(squatted.isEmpty() || QDir(m_dir->filePath(squatted)).isEmpty()); // nothing written there
        QCOMPARE(m_log.entries().size(), 2);
        QCOMPARE(m_log.entries().constLast().message,
                 "Enroller.RegistrationHelper staging directory " + m_paths.stagingDirectory +
                     " is another user's or unsafe; staging in " + privateDirectory + " instead");
    }

    void refusedSayingWhy_data()
    {
        QTest::addColumn<QString>("staging");
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<int>("commandUser");   // -1: ours
        QTest::addColumn<bool>("afterTheRun");  // what only a run can leave: looked at with no run, before a dialog
        QTest::addColumn<QString>("reason");    // @ stands for the test's directory
        QTest::addColumn<QString>("temporary"); // TMPDIR, @ as above; empty: as it is
        const auto row = [](const char *name, const char *staging, const QString &setUp, int user, bool after,
                            const QString &reason, const QString &temporary = {}) {
            QTest::newRow(name) << staging << setUp << user << after << reason << temporary;
        };
        const QString directory = "mkdir -p 'Application Support' && mkdir -m ";
        const QString installDirectory = "The configuration directory '@/Application Support/osagent' ";
        row("the installed configuration's directory a link", "staging",
            directory + "755 real && ln -s \"$PWD/real\" 'Application Support/osagent'", -1, false,
            installDirectory + "is a symbolic link");
        row("the installed configuration's directory open to its group", "staging",
            directory + "775 'Application Support/osagent'", -1, false,
            installDirectory + "is writable by other users");
        row("another user's", "staging", directory + "755 'Application Support/osagent'", 65534, false,
            installDirectory + "belongs to another user");
        row("the installed configuration's directory under a file", "staging", "touch 'Application Support'", -1, false,
            "Can't check the configuration directory '@/Application Support/osagent'. Error: Not a directory");
        row("a staging path that no shell quoting keeps", "st$ging", "true", -1, false,
            "Can't install the configuration: the path '@/st$ging/.qmx-osagent.cfg' is not safe in a shell command");
        row("someone else's staging directory, and TMPDIR missing", "staging", "mkdir -m 0777 staging", -1, false,
            "Can't create the staging directory: the temporary directory '@/gone' (TMPDIR) does not exist", "@/gone");
        row("a blank in the staging path, quoted: registered and installed", "stag ing", "true", -1, false, "no error");
        const QString file = "The staged configuration file '@/staging/.qmx-osagent.cfg' ";
        const QString staged = "mkdir -m 0700 staging && ";
        row("file is a link", "staging", staged + "ln -s \"$PWD/x\" staging/.qmx-osagent.cfg", -1, true,
            file + "is a symbolic link");
        row("directory opened to its group after the run", "staging",
            "mkdir -m 0770 staging && touch staging/.qmx-osagent.cfg", -1, true,
            "The staging directory '@/staging' is writable by other users");
        row("file is a directory", "staging", staged + "mkdir staging/.qmx-osagent.cfg", -1, true,
            file + "is not a regular file");
    }

    // What would refuse the install refuses the registration before the daemon runs, so that the stand-in server's
    // count of nodes stays as it was; what a run leaves behind is refused before anyone is asked to authorise.
    void refusedSayingWhy()
    {
        QFETCH(QString, staging);
        QFETCH(QString, setUp);
        QFETCH(int, commandUser);
        QFETCH(bool, afterTheRun);
        QFETCH(QString, reason);
        QFETCH(QString, temporary);
        QCOMPARE(m_dir->sh(R"(touch x && printf 'L\tP\n' > accounts && )" + setUp), 0);
        reason.replace('@', m_dir->path());
        const bool hadTemporary = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray temporaryBefore = qgetenv("TMPDIR");
        const auto restoreTemporary =
            qScopeGuard([&] { hadTemporary ? qputenv("TMPDIR", temporaryBefore) : qunsetenv("TMPDIR"); });
        if (!temporary.isEmpty())
            qputenv("TMPDIR", temporary.replace('@', m_dir->path()).toUtf8());
        if (afterTheRun) {
            QCOMPARE(reasonOf([this] { helper().startService(); }), reason);
            QVERIFY(m_shell.commands.isEmpty());
            return;
        }
        QProcess server; // registers the nodes in "agents"
        server.start(SANDBOX_SERVER, {m_dir->path()});
        QTRY_VERIFY(QFile::exists(m_dir->filePath("port")));
        qunsetenv("QMX_STANDIN_EXIT_STATUS"); // the stand-in registers for real
        m_paths.stagingDirectory = m_dir->filePath(staging);
        m_paths.stagedConfigFile = m_dir->filePath(staging + "/.qmx-osagent.cfg");
        m_shell.user = commandUser < 0 ? ::geteuid() : uid_t(commandUser);
        QCOMPARE(reasonOf([this] {
                     helper().registerWithAddress("127.0.0.1:" + QString(m_dir->read("port")), "L", "P", "N");
                 }),
                 reason);
        QCOMPARE(m_dir->read("agents").count('\n'), reason == "no error" ? 1 : 0);
        QCOMPARE(m_dir->read("Application Support/osagent/.qmx-osagent.cfg").isEmpty(), reason != "no error");
        server.terminate();
        QVERIFY(server.waitForFinished());
    }
};

QTEST_GUILESS_MAIN(RegistrationHelperTest)
#include "tst_registrationhelper.moc"
