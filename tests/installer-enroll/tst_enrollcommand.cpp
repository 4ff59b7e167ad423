#include "installer-pane/enroll/EnrollCommand.h"
#include "installer-pane/enroll/EnrollOptions.h"
#include "installer-pane/enroll/EnrollOutcome.h"
#include "installer-pane/enroll/EnrollStatus.h"
#include "installer-pane/enroll/EnrollUsage.h"
#include "installer-pane/enroll/PasswordSource.h"
#include "installer-pane/enroll/SystemDefaults.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "tests/support/ScriptDir.h"

#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace installer;

// One run of the command as a script makes it: what goes in, what comes out; the rest as a stopped daemon's
// enrolled machine has it.
struct Script
{
    QString arguments{}; // separated by '|'
    int status = 0;
    QString out{}; // ending in "…": only its beginning
    QString err{};
    QString managed{};                             // KEY=VALUE, separated by ';'
    QByteArray input{};                            // standard input
    QString daemon = "|0";                         // the stand-in daemon's scripted output, '|', its exit status
    QString daemonArguments{};                     // separated by '|'; empty: it never ran
    QString jobLine = "-\t0\tcom.kelvane.osagent"; // launchctl's line for the job; empty: none
    std::optional<QByteArray> configuration = QByteArray(); // the installed configuration's lines; none: not enrolled
    bool installed = true;                                  // the daemon's executable is there
    bool root = false;                                      // no job loaded then; @ in out and err: the run's directory
};

Q_DECLARE_METATYPE(EnrollRequest)
Q_DECLARE_METATYPE(EnrollExit)
Q_DECLARE_METATYPE(Script)

class EnrollCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void parsesOptions_data()
    {
        QTest::addColumn<QString>("arguments"); // separated by '|'
        QTest::addColumn<EnrollRequest>("request");
        QTest::addColumn<QString>("error"); // empty: the request
        const auto a = EnrollAction::Register, re = EnrollAction::ReRegister;
        const auto ok = [](const char *name, const char *arguments, const EnrollRequest &request) {
            QTest::newRow(name) << arguments << request << "";
        };
        const auto refused = [](const char *name, const char *arguments, const QString &error) {
            QTest::newRow(name) << arguments << EnrollRequest() << error;
        };
        ok("register from standard input", "register|--address|h:1|--login|l|--password-stdin",
           {a, {}, "h:1", "l", {}, {}, false});
        ok("options before the command, values as typed",
           "--json|--name| n |--password-file|/p|register|--login=|--address|h:1",
           {a, {}, "h:1", "", " n ", "/p", true});
        ok("reregister", "reregister|--guid|G|--address|h:1|--login|l|--password-stdin",
           {re, "G", "h:1", "l", {}, {}, false});
        ok("status", "status|--json", {EnrollAction::Status, {}, "", "", {}, {}, true});
        ok("uninstall, keeping the configuration", "uninstall|--keep-configuration",
           {EnrollAction::Uninstall, {}, "", "", {}, {}, false, true});
        ok("help over anything", "register|--bogus|-h", {});
        refused("no command", "", "Name a command: register, reregister, status or uninstall");
        refused("unknown command, not repeated", "s3cret",
                "Unknown command; the commands are register, reregister, status and uninstall");
        refused("stray argument, not repeated", "register|--address|h:1|--login|l|--password-stdin|s3cret",
                "Unexpected argument after register (not shown: a password is never given as an argument)");
        refused("another command's option", "register|--guid|G|--address|h:1|--login|l|--password-stdin",
                "--guid does not apply to register");
        refused("only the uninstall keeps the configuration", "status|--keep-configuration",
                "--keep-configuration does not apply to status");
        refused("given twice", "register|--login|a|--login|b", "--login is given more than once");
        refused("missing GUID", "reregister|--address|h:1|--login|l|--password-stdin", "--guid is missing");
        refused("both password sources", "register|--address|h:1|--login|l|--password-stdin|--password-file|/p",
                "Give the password through --password-stdin or --password-file, not both");
        refused("no password source", "register|--address|h:1|--login|l",
                "Give the password through --password-stdin or --password-file");
        // Managed: ServerAddress m:1, Login fleet, NodeName n 7, standing in for the options left out.
        const QString differs = "--%1 differs from %2, which your organisation has set; leave --%1 out";
        ok("managed: left out", "register|--password-stdin", {a, {}, "m:1", "fleet", "n 7", {}, false});
        ok("managed: given alike, once trimmed",
           "reregister|--guid|G|--address| m:1\t|--login|fleet|--name|n 7|--password-stdin",
           {re, "G", "m:1", "fleet", "n 7", {}, false});
        refused("managed: another address", "register|--address|m:2|--password-stdin",
                differs.arg("address", "ServerAddress"));
        refused("managed: another login", "register|--login|other|--password-stdin", differs.arg("login", "Login"));
        refused("managed: an empty name", "register|--name=|--password-stdin", differs.arg("name", "NodeName"));
    }

    void parsesOptions()
    {
        QFETCH(QString, arguments);
        QFETCH(EnrollRequest, request);
        QFETCH(QString, error);
        const QStringList given = arguments.isEmpty() ? QStringList() : arguments.split('|');
        ManagedSettings managed;
        if (QByteArray(QTest::currentDataTag()).startsWith("managed: ")) {
            managed.serverAddress = "m:1";
            managed.login = "fleet";
            managed.nodeName = "n 7";
        }
        const auto parsed = EnrollOptions::parse(QStringList{"osagent-enroll"} + given, managed);
        if (error.isEmpty()) {
            QVERIFY(std::holds_alternative<EnrollRequest>(parsed));
            QVERIFY(std::get<EnrollRequest>(parsed) == request);
        } else {
            QVERIFY(std::holds_alternative<EnrollUsageError>(parsed));
            QCOMPARE(std::get<EnrollUsageError>(parsed).message, error);
        }
    }

    // Every option the help names is one the command takes: a script's author copies them from there.
    void helpNamesOnlyOptionsItTakes()
    {
        for (const QRegularExpressionMatch &option :
             QRegularExpression("(?<![\\w-])--?[a-z][a-z-]*").globalMatch(EnrollUsage::text())) {
            const auto parsed = EnrollOptions::parse({"osagent-enroll", option.captured(), "x"});
            QVERIFY2(!std::holds_alternative<EnrollUsageError>(parsed) ||
                         !std::get<EnrollUsageError>(parsed).message.startsWith("Unknown option"),
                     qPrintable(option.captured()));
        }
    }

    // As a script sees it: the daemon's own meanings kept under their numbers; a signal's (-3 SIGQUIT) is none.
    void mapsDaemonStatusToExitStatus()
    {
        const auto exitFor = [](std::optional<qint32> status) { return int(exitForDaemonStatus(status)); };
        QCOMPARE((QList<int>{exitFor(3), exitFor(4), exitFor(5), exitFor(7), exitFor(-3), exitFor(-5), exitFor({})}),
                 (QList<int>{3, 4, 5, 1, 1, 1, 1}));
    }

    void runsAsScriptsExpect_data()
    {
        QTest::addColumn<Script>("script");
        const QString usage = "Usage:\n  osagent-enroll register   --address HOST:PORT…";
        const QString cut = "register|--address|h:1|--login|l|--password-stdin";
        const QString statusJson =
            "{\"agentGuid\":null,\"configurationKept\":false,\"daemonRunning\":false,\"enrolled\":"
            "true,\"installed\":true,\"job\":\"-\\t0\\tcom.kelvane.osagent\",\"managed\":{%1},"
            "\"message\":\"This machine is enrolled.\\nThe agent daemon is not running.%2\","
            "\"ok\":true,\"status\":0}\n";
        QTest::newRow("help on standard output, naming the exit statuses") << Script{
            "register|--help", 0,
            usage + "\n\nExit status: 0 success, 3 can't connect to the server, 4 incorrect credentials, 5 incorrect\n"
                    "address, 64 usage error, 65 empty field, 66 no password file, 71 or 74 something the uninstall\n"
                    "could not remove, 73 already enrolled (register without --force), 77 an unsafe password file or\n"
                    "not root, 1 anything else.\n\nExample…"};
        QTest::newRow("parse error for scripts: JSON on standard output")
            << Script{"register|--json|--pasword=s3cret", 64,
                      "{\"message\":\"Unknown option 'pasword'.\",\"ok\":false,\"status\":64}\n"};
        QTest::newRow("a misspelt setting named where the address is missing, for scripts")
            << Script{"register|--login|l|--password-stdin|--json", 64,
                      "{\"message\":\"--address is missing (ServerAdress in profile ignored: no such setting; the "
                      "closest is ServerAddress)\",\"ok\":false,\"status\":64}\n",
                      "", "ServerAdress=m:1"};
        QTest::newRow("a voided source's fault where the address is missing")
            << Script{"register|--password-stdin", 64, "",
                      "--address is missing (Managed settings in profile ignored: NodeName is empty)\n"
                      "Try 'osagent-enroll --help'\n",
                      "ServerAddress=m:1;NodeName= "};
        QTest::newRow("an empty password named by where it came from")
            << Script{.arguments = cut,
                      .status = 65,
                      .err = "The password from standard input is empty\n",
                      .input = "\n",
                      .configuration = std::nullopt};
        QTest::newRow("a password file not there, for scripts")
            << Script{.arguments = cut.section('|', 0, 4) + "|--password-file|/nonexistent/pw|--json",
                      .status = 66,
                      .out = "{\"message\":\"Can't open the password file '/nonexistent/pw'. Error: No such file or "
                             "directory\",\"ok\":false,\"status\":66}\n",
                      .configuration = std::nullopt};
        QTest::newRow("the name reaches the daemon, trimmed")
            << Script{.arguments = "register|--address|h:1|--login|l|--name| Node 7 |--password-stdin",
                      .err = "Registration success\n",
                      .input = "pw",
                      .daemonArguments = "-r|l|h:1|pw|-n|Node 7",
                      .configuration = std::nullopt};
        QTest::newRow("the trimmed password masked where the daemon repeats it")
            << Script{.arguments = cut,
                      .status = 1,
                      .err = "Process failed with exit code: 7\n\nbad ********\n",
                      .input = " s3cret-pw \n",
                      .daemon = "bad s3cret-pw|7",
                      .daemonArguments = "-r|l|h:1|s3cret-pw|-n|host",
                      .configuration = std::nullopt};
        // A script run at every check-in until it succeeds: a second run makes no second node.
        QTest::newRow("register on an enrolled machine, for scripts: refused with its GUID, nothing read or run")
            << Script{.arguments = cut + "|--json",
                      .status = 73,
                      .out =
                          "{\"agentGuid\":\"6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36\",\"enrolled\":true,\"message\":"
                          "\"This machine is already enrolled as agent 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36: run "
                          "reregister --guid 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36 to enrol it again under that GUID, "
                          "or register --force to enrol it as a new node\",\"ok\":false,\"status\":73}\n",
                      .configuration = "server=h:1\nguid=6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36"};
        QTest::newRow("register on an enrolled machine whose configuration names no GUID")
            << Script{.arguments = cut,
                      .status = 73,
                      .err = "This machine is already enrolled: run reregister --guid GUID to enrol it again under "
                             "its agent's GUID, or register --force to enrol it as a new node\n",
                      .configuration = "node=6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36"};
        // No pkgutil, as on Linux.
        QTest::newRow("uninstall with a step failing: what was done on standard output, the reason on error")
            << Script{.arguments = "uninstall",
                      .status = 74,
                      .out = "Removed @/installed.cfg\n",
                      .err = "Can't remove @/installed.cfg/logs: Not a directory\n",
                      .root = true};
        QTest::newRow("status when launchctl fails")
            << Script{.arguments = "status",
                      .status = 1,
                      .err = "Process '…/launchctl' failed with exit code: 3\n",
                      .jobLine = "'; exit 3; '"};
        QTest::newRow("uninstall as a user")
            << Script{"uninstall", 77, "", "Only root can uninstall Kelvane OS Agent: run it with sudo\n"};
        QTest::newRow("status for scripts: the raw job line, nothing managed")
            << Script{"status|--json", 0, statusJson.arg("", "")};
        const QStringList said{"Managed settings in profile ignored: Login is empty",
                               "Password in profile ignored: a password is never taken from managed settings, which "
                               "every local user can read",
                               "Lgin in profile ignored: no such setting; the closest is Login",
                               "Logn in profile ignored: no such setting; the closest is Login"};
        QTest::newRow("status for scripts: a voided source's fault, a password and every misspelt setting") << Script{
            "status|--json", 0,
            statusJson.arg("\"error\":\"" + said[0] + "\",\"warnings\":[\"" + said.mid(1).join("\",\"") + "\"]",
                           "\\n" + said.join("\\n")),
            "", "Login= ;Logn=x;Password=pw;Lgin=y"};
        QTest::newRow("status for scripts: the configuration kept, nothing installed") << Script{
            .arguments = "status|--json",
            .out = "{\"agentGuid\":null,\"configurationKept\":true,\"daemonRunning\":false,\"enrolled\":"
                   "false,\"installed\":false,\"job\":\"-\\t1\\tcom.kelvane.osagent\",\"managed\":{},\"message\":"
                   "\"Kelvane OS Agent is not installed, but its configuration was kept: a new installation "
                   "finds this machine enrolled.\\nThe agent daemon is not running.\\nIt last ended with exit status "
                   "1.\",\"ok\":true,\"status\":0}\n",
            .jobLine = "-\t1\tcom.kelvane.osagent",
            .installed = false};
        QTest::newRow("status in words: nothing installed, nothing kept")
            << Script{.arguments = "status",
                      .out = "This machine is not enrolled.\nKelvane OS Agent is not installed.\nThe agent daemon is "
                             "not running.\n",
                      .configuration = std::nullopt,
                      .installed = false};
        QTest::newRow("status names what is managed, each on a line of its own")
            << Script{"status", 0,
                      "This machine is enrolled.\nThe agent daemon is not running.\nSet by your organisation:\n"
                      "  Login: fleet\n  NodeName: Reception, desk 2\n",
                      "", "Login=fleet;NodeName=Reception, desk 2"};
        // The process table always holds a qmx-osagent: where there is a job line, it is not the daemon's.
        QTest::newRow("status in words: the job without one, however the process table looks")
            << Script{.arguments = "status",
                      .out = "This machine is enrolled.\nIts agent GUID is 6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36.\nThe "
                             "agent daemon is not running.\nIt last ended with exit status 6.\nMissing full disk "
                             "access\nTurn on qmx-osagent under System Settings, Privacy & Security, Full Disk Access "
                             "(open x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles), then "
                             "start the agent from the menu-bar application.\n",
                      .jobLine = "-\t6\tcom.kelvane.osagent",
                      .configuration = "{\n  \"server\": \"h:1\",\n  \"AgentGUID\": "
                                       "\"6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36\",\n}"};
        QTest::newRow("status reads no configuration over 64 KiB")
            << Script{.arguments = "status",
                      .out = "This machine is enrolled.\nThe agent daemon is not running.\n",
                      .configuration = "{\n\"AgentGUID\": \"6f1c9a52-3d4e-4b8a-9c07-2e5d8f1a4b36\",\n\"pad\": \"" +
                                       QByteArray(64 * 1024, 'x') + "\"}"};
        QTest::newRow("status without a job line: the process table") << Script{
            .arguments = "status",
            .out = "This machine is enrolled.\nThe agent daemon is running.\nIts job is not in the job list.\n",
            .jobLine = ""};
    }

    // The command as a script meets it: arguments and standard input in, the exit status, both streams and what
    // reached the daemon out. The stand-in daemon runs for real with a scripted end and stages nothing; ps and
    // launchctl are scripts of an enrolled machine.
    void runsAsScriptsExpect()
    {
        QFETCH(Script, script);
        ScriptDir dir;
        qputenv("QMX_STANDIN_RECORD_DIR", QFile::encodeName(dir.path()));
        qputenv("QMX_STANDIN_OUTPUT", script.daemon.section('|', 0, 0).toUtf8());
        qputenv("QMX_STANDIN_EXIT_STATUS", script.daemon.section('|', 1).toUtf8());
        contract::AgentPaths paths;
        paths.daemonExecutable = script.installed ? STANDIN_DAEMON : dir.filePath("uninstalled");
        paths.stagingDirectory = dir.filePath("staging");
        paths.stagedConfigFile = dir.filePath("staging/.qmx-osagent.cfg");
        paths.installedConfigFile =
            script.configuration ? dir.write("installed.cfg", *script.configuration) : dir.filePath("installed.cfg");
        paths.ps = dir.write("ps", "[ \"$*\" = '-axco comm' ] && printf 'COMM\\nqmx-osagent\\n'");
        paths.launchctl = script.root
                              ? dir.write("launchctl", "exit 1")
                              : dir.write("launchctl", "[ \"$*\" = list ] && printf 'PID\\tStatus\\tLabel\\n%s\\n' '" +
                                                           script.jobLine.toUtf8() + "'");
        if (script.root) { // what the uninstall takes away: the configuration, a file here, and logs under it
            paths.installedConfigDirectory = paths.installedConfigFile;
            paths.logDirectory = paths.installedConfigFile + "/logs";
            for (QString *missing :
                 {&paths.agentJobFile, &paths.daemonJobFile, &paths.applicationBundle, &paths.pkgutil})
                *missing = dir.filePath("missing");
        }
        QByteArray standardOutput, standardError;
        QVariantMap managedValues;
        for (const QString &setting : script.managed.split(';', Qt::SkipEmptyParts))
            managedValues.insert(setting.section('=', 0, 0), setting.section('=', 1));
        const auto source = [managedValues] { return ManagedSettingsSource{"profile", managedValues, {}}; };
        installer::EnrollCommand command(
            {paths, script.root, std::make_shared<platform::DirectAdministratorShell>("/bin/false"),
             [] { return std::nullopt; }, [] { return QList<uint>(); }, [] { return QString("host"); },
             [&script](const QByteArray &) { return script.input; },
             [&standardOutput](const QByteArray &bytes) { standardOutput += bytes; },
             [&standardError](const QByteArray &bytes) { standardError += bytes; },
             std::make_shared<platform::CapturingLogSink>(), std::make_shared<ManagedSettingsReader>(source, nullptr)});

        QCOMPARE(command.run(QStringList{"osagent-enroll"} + script.arguments.split('|')), script.status);
        for (const auto &[shown, expected] : {std::pair{standardOutput, script.out.replace('@', dir.path())},
                                              std::pair{standardError, script.err.replace('@', dir.path())}}) {
            const QString text = QString::fromUtf8(shown), any = QRegularExpression::escape(QChar(0x2026)); // …
            const QRegularExpression pattern("\\A" + QRegularExpression::escape(expected).replace(any, ".*") + "\\z",
                                             QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(expected.contains(QChar(0x2026)) ? pattern.match(text).hasMatch() : text == expected,
                     qPrintable(text + "\n-- expected --\n" + expected));
        }
        QCOMPARE(QString::fromUtf8(dir.read("arguments")).split(QChar(0)).join('|'),
                 script.daemonArguments.isEmpty() ? script.daemonArguments : script.daemonArguments + '|');
    }

    void passwordFileIsTrustedOnlyWhenPrivate_data()
    {
        QTest::addColumn<QString>("setUp"); // run in a temporary directory; the file is "f"
        QTest::addColumn<EnrollExit>("exit");
        QTest::addColumn<QString>("result"); // the password, or the message; @ stands for the file's path
        const auto row = [](const char *name, const char *setUp, EnrollExit exit, const QString &result) {
            QTest::newRow(name) << setUp << exit << result;
        };
        const auto refused = [&row](const char *name, const char *setUp, const char *why) {
            row(name, setUp, EnrollExit::NoPermission, "The password file '@' " + QString(why));
        };
        row("owner only, one line end dropped", "printf ' pw\\t\\n\\n' > f; chmod 600 f", EnrollExit::Success,
            " pw\t\n");
        row("a line end only: empty", "echo > f; chmod 400 f", EnrollExit::Success, "");
        row("CR LF", "printf 'pw\\r\\n' > f; chmod 600 f", EnrollExit::Success, "pw");
        // Each of the four bits alone.
        refused("group may read", "touch f; chmod 640 f", "can be read by other users");
        refused("others may read", "touch f; chmod 604 f", "can be read by other users");
        refused("group may write", "touch f; chmod 620 f", "can be changed by other users");
        refused("others may write", "touch f; chmod 602 f", "can be changed by other users");
        // Read by a caller other than root, as root could read it anyway: nobody, when we are root.
        refused("the caller may not read it", "touch f; chmod 200 f; [ \"$(id -u)\" != 0 ] || chown 65534 f",
                "can't be read by this user");
        refused("a link to a private file", "touch g; chmod 600 g; ln -s g f", "is a symbolic link");
        refused("a pipe, never waited on", "mkfifo -m 600 f", "is not a regular file");
        refused("a second hard link", "touch f; chmod 600 f; ln f g", "has more than one link");
        row("not UTF-8", "printf '\\377' > f; chmod 600 f", EnrollExit::Failure,
            "The password in the file '@' is not valid UTF-8 text");
        if (::geteuid() == 0)
            refused("another user's", "touch f; chmod 600 f; chown 65534 f", "belongs to another user");
    }

    void passwordFileIsTrustedOnlyWhenPrivate()
    {
        QFETCH(QString, setUp);
        QFETCH(EnrollExit, exit);
        QFETCH(QString, result);
        ScriptDir dir;
        QCOMPARE(dir.sh(setUp), 0);
        const QString path = dir.filePath("f");
        const bool asNobody = QByteArray(QTest::currentDataTag()) == "the caller may not read it" && ::geteuid() == 0;
        if (asNobody) {
            QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7711)));
            QCOMPARE(::seteuid(65534), 0);
        }
        const auto backToRoot = qScopeGuard([asNobody] { QVERIFY(!asNobody || ::seteuid(0) == 0); });
        const qsizetype descriptors = QDir("/dev/fd").count();
        try {
            QCOMPARE(PasswordSource::decode(PasswordSource::readFile(path), path), result);
            QCOMPARE(exit, EnrollExit::Success);
        } catch (const PasswordSourceError &error) {
            QCOMPARE(error.message(), result.replace('@', path));
            QCOMPARE(error.status(), exit);
        }
        QCOMPARE(QDir("/dev/fd").count(), descriptors); // the file closed on every road
    }

    void terminalIsRestoredOnEveryWayOutOfThePrompt_data()
    {
        QTest::addColumn<int>("signal"); // 0: none, a line typed
        QTest::newRow("a line typed, and no further, never echoed") << 0;
        QTest::newRow("INT") << SIGINT;
        QTest::newRow("TERM") << SIGTERM;
        QTest::newRow("HUP") << SIGHUP;
        QTest::newRow("TSTP, then CONT: asked again") << SIGTSTP;
    }

    // A child at the prompt on a pseudo-terminal: the prompt on the terminal with echo off; signalled, it ends (or
    // stops) by the signal as it would have, with echo back on.
    void terminalIsRestoredOnEveryWayOutOfThePrompt()
    {
        QFETCH(int, signal);
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
        const auto closeBoth = qScopeGuard([&] { ::close(terminal), ::close(master); });
        const pid_t child = ::fork();
        if (child == 0) {
            // As a program starts, without the test framework's crash handlers, which would catch these; in a
            // process group of its own below ours, so that a stop stops it even where ours is orphaned (a run in a
            // session of its own), where the system would discard it.
            for (const int each : {SIGINT, SIGTERM, SIGHUP, SIGTSTP})
                ::signal(each, SIG_DFL);
            ::setpgid(0, 0);
            ::_exit(readStandardInput(terminal, "Password: ") == "pw\n" ? 0 : 1);
        }
        const auto reap = qScopeGuard([child] { ::kill(child, SIGKILL), ::waitpid(child, nullptr, 0); });
        const auto echoOn = [terminal] {
            termios now = {};
            return ::tcgetattr(terminal, &now) == 0 && (now.c_lflag & ECHO) != 0;
        };
        QByteArray shown; // what the terminal showed since the last look: until a prompt, or nothing more came
        const auto awaitPrompt = [master, &shown](int timeoutMs = 10000) {
            char buffer[256];
            shown.clear();
            for (pollfd ready{master, POLLIN, 0}; !shown.contains("Password: ") && ::poll(&ready, 1, timeoutMs) == 1;) {
                const ssize_t count = ::read(master, buffer, sizeof buffer);
                if (count <= 0)
                    break;
                shown.append(buffer, count);
            }
            return shown.contains("Password: ");
        };
        QVERIFY(awaitPrompt());
        QVERIFY(!echoOn());
        int status = 0;
        if (signal == 0) {
            QCOMPARE(::write(master, "pw\nnext\n", 8), 8);
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0 && echoOn());
            QVERIFY(!awaitPrompt(100));
            QVERIFY2(!shown.contains("pw"), shown);
            return;
        }
        QCOMPARE(::kill(child, signal), 0);
        QCOMPARE(::waitpid(child, &status, WUNTRACED), child);
        QVERIFY(echoOn());
        if (signal != SIGTSTP) {
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == signal);
            return;
        }
        QVERIFY(WIFSTOPPED(status));
        QCOMPARE(::kill(child, SIGCONT), 0);
        QVERIFY(awaitPrompt());
        QVERIFY(!echoOn());
        QCOMPARE(::write(master, "pw\n", 3), 3);
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(echoOn());
    }

    // The log names a few unknown keys, then counts the rest; status (above) lists every one.
    void unknownManagedKeysAreLoggedByNameThenCounted()
    {
        QVariantMap values{{"Password", "pw"}, {"Login", "fleet"}};
        for (int key = 0; key < 8; ++key)
            values.insert(QString("Key%1").arg(key), "x");
        const auto log = std::make_shared<platform::CapturingLogSink>();
        ManagedSettingsReader reader([values] { return ManagedSettingsSource{"f", values, {}}; }, log);
        QCOMPARE(reader.read().ignoredKeys.size(), 9);
        QStringList logged;
        for (const auto &entry : log->entries())
            logged << entry.message;
        const QString unknown = "Key%1 in f ignored: no such setting; the closest is Login";
        QCOMPARE(logged, QStringList({"Password in f ignored: a password is never taken from managed settings, which "
                                      "every local user can read",
                                      unknown.arg(0), unknown.arg(1), unknown.arg(2), unknown.arg(3), unknown.arg(4),
                                      "3 more keys in f ignored: no such settings (8 unknown keys in all)"}));
        for (const QString key : {"Key5", "Key6", "Key7"})
            values.remove(key);
        QCOMPARE(checkManagedSettings({"f", values, {}}).warnings.size(), 6); // the password, five named, none counted
        // The closest by edits, case aside: a name with a word too many, one with a word too few, one of the
        // administrator's own.
        for (const auto &[key, meant] :
             {std::pair{"LoginName", "Login"}, {"NotifyWhenStopped", "NotifyWhenBackupsStop"}, {"user", "Login"}})
            QVERIFY(checkManagedSettings({"f", {{key, "x"}}, {}}).warnings.value(0).endsWith(meant));
    }

    // The menu-bar application's key: a profile's Boolean or a file's text; anything else voids the source.
    void notificationsKeyIsTrueOrFalse()
    {
        const auto taken = [](const QVariant &value) {
            const ManagedSettings settings =
                checkManagedSettings({"f", {{"NotifyWhenBackupsStop", value}}, {}}).settings;
            return settings.error.isEmpty() ? QVariant(settings.notifyWhenBackupsStop.value())
                                            : QVariant(settings.error);
        };
        QCOMPARE((QVariantList{taken(false), taken(" False "), taken("true"), taken("no")}),
                 (QVariantList{false, false, true,
                               "Managed settings in f ignored: NotifyWhenBackupsStop is neither true nor false"}));
    }

    void consoleUserIsWhoeverOwnsTheConsole()
    {
        QTemporaryDir dir;
        const QString console = dir.filePath("console");
        QCOMPARE(consoleUserOf(console), std::nullopt); // no console to look at
        QFile(console).open(QIODevice::WriteOnly);
        if (::geteuid() != 0)
            QSKIP("only root can give the console away");
        QCOMPARE(consoleUserOf(console), std::nullopt); // root's: the login window
        QCOMPARE(::chown(QFile::encodeName(console).constData(), 501, 20), 0);
        QCOMPARE(consoleUserOf(console), std::optional<uint>(501));
    }
};

QTEST_GUILESS_MAIN(EnrollCommandTest)
#include "tst_enrollcommand.moc"
