#include "common/AgentPaths.h"
#include "installer-pane/enroll/Uninstall.h"
#include "installer-pane/registration/InstallCommand.h"
#include "installer-pane/registration/ProcessHelper.h"
#include "installer-pane/registration/RegistrationError.h"
#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessHelper.h"
#include "platform/AdministratorShell.h"
#include "tests/support/ControllerFakes.h"
#include "tests/support/ScriptDir.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Both administrator paths with the shipped tool locations, against the real pkexec and polkitd that
// run-in-namespace provides. Each function is run as the test account named in its comment.
class PolkitTest : public QObject
{
    Q_OBJECT

private slots:
    // Every account's own: pkexec refuses anything to a caller whose SHELL is not listed in /etc/shells.
    void initTestCase() { qputenv("SHELL", "/opt/odd/shell"); }

    // pk-allowed, with processes of its own at work while root works, and folders that root made another user's
    // (pk-denied's, then that of the account named "64001", uid 64004, while this one is uid 64001):
    // - a folder of this account's left inside root's configuration directory, with a process in it that swaps a
    //   subfolder for a link to a directory of root's as soon as root starts deleting there: the uninstall (run as
    //   root, with no launchctl and no pkgutil, as on Linux) removes everything and nothing of root's directory,
    //   and first ends the program this account runs from the application bundle;
    // - Ctrl-C on the caller's terminal while the root command starts the daemon: the configuration is installed
    //   for root alone, the staging directory is gone, and nothing stays in root's directory;
    // - another user's folder moved in as the staging directory, and one of the account whose name is our number:
    //   each refused, saying why, none kept, and the installed configuration as it was. (A link in its place:
    //   tst_registrationhelper, whose root command is the same text.)
    void rootKeepsNothingOfAUsersAndFollowsNoLink()
    {
        ScriptDir dir;
        const auto asRoot = [this](const QString &command) {
            return platform::runChildProcess(platform::pkexecRequest(m_paths.pkexec, m_paths.shell, command));
        };
        const auto removeAll = qScopeGuard([&] { asRoot("rm -Rf '" + dir.path() + "'/*"); });
        const QString config = dir.filePath("config"), victim = dir.filePath("victim");
        const QString files = "i=1000; while [ $i -lt 3000 ]; do : > f$i; i=$((i + 1)); done";
        QCOMPARE(dir.sh("mkdir -p s/sub && cd s/sub && " + files), 0);
        const QByteArray swapIn = QFile::encodeName(dir.filePath("s")), linkTo = QFile::encodeName(victim);
        const pid_t swapper = ::fork();
        if (swapper == 0) {
            struct stat before = {}, now = {};
            if (::chdir(swapIn.constData()) != 0 || ::stat("sub", &before) != 0)
                ::_exit(2);
            for (int i = 0; i < 400000 && ::stat("sub", &now) == 0 && now.st_mtim.tv_nsec == before.st_mtim.tv_nsec &&
                            now.st_mtim.tv_sec == before.st_mtim.tv_sec;
                 ++i)
                ::usleep(50);
            ::_exit(::rename("sub", "moved") == 0 && ::symlink(linkTo.constData(), "sub") == 0 ? 0 : 1);
        }
        QCOMPARE(asRoot("mkdir -m 755 '" + config + "' '" + victim + "' && mkdir -m 700 '" + config +
                        "/.staged.k1lled' && mv '" + dir.filePath("s") + "' '" + config + "/.staged.k1lled/s' && cd '" +
                        victim + "' && " + files)
                     .status,
                 0);
        const QString bundle = dir.filePath("app");
        const auto opened = platform::runChildProcess( // by hand, and left to the system once it ends
            {"/bin/sh",
             {"-c", "mkdir -p '" + bundle + "/bin' && cp /bin/sleep '" + bundle + "/bin/' && '" + bundle +
                        "/bin/sleep' 60 >/dev/null 2>&1 & echo $!"},
             {},
             false});
        const QString application = QString::fromUtf8(opened.output).trimmed();
        QTRY_VERIFY(QFileInfo(QString("/proc/%1/exe").arg(application)).symLinkTarget().startsWith(bundle));
        const auto uninstall = asRoot("'" + QCoreApplication::applicationFilePath() + "' --uninstall-as-root '" +
                                      config + "' '" + bundle + "'");
        int swapped = -1;
        QCOMPARE(::waitpid(swapper, &swapped, 0), swapper);
        QCOMPARE(swapped, 0); // the swap happened while root deleted
        QCOMPARE(QString::fromUtf8(uninstall.output), "Ended the process " + application + ", which ran from " +
                                                          bundle + "\nRemoved " + bundle + "\nRemoved " + config +
                                                          "\n");
        QCOMPARE(uninstall.status, 0);
        QCOMPARE(QDir(victim).entryList(QDir::Files).size(), 2000);
        QVERIFY(!QFileInfo::exists(config));

        const QString staging = dir.filePath("staging"), installed = dir.filePath("installed");
        const auto stage = [&](const QString &owner) {
            const QString content = owner.isEmpty() ? "cfg" : "forged";
            QCOMPARE(dir.sh("mkdir -m 700 staging && printf " + content + " > staging/.qmx-osagent.cfg"), 0);
            if (!owner.isEmpty())
                QCOMPARE(asRoot("chown -R " + owner + " '" + staging + "'").status, 0);
        };
        const auto installedEntries = [&] {
            return QDir(installed).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        platform::SystemAdministratorShell shell(m_paths.pkexec, m_paths.shell);
        const QString ready = dir.filePath("ready");
        const QString launchctl = dir.write("launchctl", "touch '" + QFile::encodeName(ready) + "'; sleep 2");
        const QString command = installer::InstallCommand::build(
            {staging + "/.qmx-osagent.cfg", staging, installed, launchctl}, {::geteuid(), shell.commandUser()});
        stage({});
        // Ctrl-C comes from the terminal, which signals its foreground group whoever's processes are in it; a kill()
        // of ours would not reach root's.
        const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
        const QByteArray pkexec = QFile::encodeName(m_paths.pkexec), commandBytes = command.toUtf8(),
                         terminalName = ::ptsname(terminal);
        const pid_t caller = ::fork(); // as osagent-enroll started from that terminal
        if (caller == 0) {
            const int own = ::setsid() < 0 ? -1 : ::open(terminalName.constData(), O_RDWR);
            if (own < 0 || ::ioctl(own, TIOCSCTTY, 0) != 0 || ::dup2(own, 0) < 0 || ::dup2(own, 1) < 0 ||
                ::dup2(own, 2) < 0)
                ::_exit(126);
            ::signal(SIGINT, SIG_DFL); // as a terminal's shell starts a command; the test may run with it ignored
            ::execl("/bin/sh", "sh", "-c", R"(SHELL=/bin/sh "$0" --disable-internal-agent /bin/sh -c "$1"; exit $?)",
                    pkexec.constData(), commandBytes.constData(), nullptr);
            ::_exit(127);
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ready), 20000);
        QCOMPARE(::write(terminal, "\x03", 1), 1);
        int interrupted = 0;
        QCOMPARE(::waitpid(caller, &interrupted, 0), caller);
        ::close(terminal);
        QTRY_COMPARE_WITH_TIMEOUT(installedEntries(), QStringList{".qmx-osagent.cfg"}, 10000);
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(installed + "/.qmx-osagent.cfg").constData(), &status), 0);
        QCOMPARE(status.st_uid, 0u);
        QCOMPARE(status.st_mode & 07777, 0600u);
        QVERIFY(!QFileInfo::exists(staging));

        const installer::ProcessHelper root(shell);
        for (const QString owner : {"pk-denied", "64004"}) {
            stage(owner);
            try {
                root.runScriptAsRoot(command);
                QFAIL(qPrintable("a staging directory of " + owner + " was taken"));
            } catch (const installer::RegistrationError &error) {
                QCOMPARE(error.reason(), "Can't execute script the staging directory " + staging +
                                             " is not a directory owned by " + QString::number(::geteuid()));
            }
            QCOMPARE(installedEntries(), QStringList{".qmx-osagent.cfg"});
            QVERIFY(!QFileInfo::exists(staging) && !QFileInfo(staging).isSymLink());
        }
        QCOMPARE(asRoot("cat '" + installed + "/.qmx-osagent.cfg'").output, "cfg");
    }

    // pk-allowed: what the menu-bar application gets back is what the AppleScript interpreter prints, as root; the
    // start command finds the stand-in launchctl and sudo on pkexec's PATH, and its job's line in the list.
    void menubarRunnerPrintsResultAsSuperuser()
    {
        QFile list(qEnvironmentVariable("JOB_LIST"));
        QVERIFY2(list.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(list.errorString()));
        const QByteArray line = "-\t6\tcom.kelvane.osagent\n";
        list.write("-\t0\tcom.example.before\n" + line + "-\t0\tcom.example.after\n");
        list.close();
        menubar::ProcessHelper runner(menubarTools());
        try {
            QCOMPARE(runner.executeAsRoot("id -u"), "0\n");
            QCOMPARE(runner.executeAsRoot(kStartCommand), QString::fromUtf8(line));
        } catch (const menubar::ProcessError &error) {
            QFAIL(qPrintable(error.description()));
        }
    }

    // pk-allowed: authorised, but the command's own failure is no success either.
    void failingCommandFailsBothRunners() { expectBothRunnersFail("exit 3", "exit status 3"); }

    // pk-denied.
    void deniedAccountIsRefused() { expectBothRunnersFail("true", "Not authorized"); }

    // pk-no-rule: authentication is needed, there is no agent to ask, and pkexec must not wait for one (the
    // wrapper's timeout would end the run).
    void accountWithoutRuleFailsAtOnce() { expectBothRunnersFail("true", "authentication agent"); }

private:
    menubar::ProcessHelper::Tools menubarTools() const { return {m_paths.osascript, m_paths.pkexec, m_paths.shell}; }

    // systemSays: part of pkexec's or our own explanation, which the installer shows the user.
    void expectBothRunnersFail(const QString &command, const QString &systemSays)
    {
        try {
            menubar::ProcessHelper(menubarTools()).executeAsRoot(command);
            QFAIL("the menu-bar runner reported success");
        } catch (const menubar::ProcessError &error) {
            QCOMPARE(error.description(), R"x(Error Domain=Missing data Code=0 "(null)")x");
        }
        try {
            platform::SystemAdministratorShell shell(m_paths.pkexec, m_paths.shell);
            installer::ProcessHelper(shell).runScriptAsRoot(command);
            QFAIL("the installer reported success");
        } catch (const installer::RegistrationError &error) {
            qInfo("installer: %s", qPrintable(error.reason()));
            QVERIFY2(error.reason().startsWith("Can't execute script "), qPrintable(error.reason()));
            QVERIFY2(error.reason().contains(systemSays), qPrintable(error.reason()));
        }
    }

    // The shipped locations: no AppleScript interpreter here, so both runners take pkexec and /bin/sh.
    const contract::AgentPaths m_paths{};
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // Root's half of the uninstall case, which the test starts through pkexec: only the configuration directory
    // and the application bundle given are there; no launchctl, no pkgutil, as on Linux.
    if (argc == 4 && qstrcmp(argv[1], "--uninstall-as-root") == 0) {
        contract::AgentPaths paths;
        for (QString *path :
             {&paths.agentJobFile, &paths.daemonJobFile, &paths.logDirectory, &paths.launchctl, &paths.pkgutil})
            *path = "/nonexistent/osagent-test";
        paths.installedConfigDirectory = QFile::decodeName(argv[2]);
        paths.applicationBundle = QFile::decodeName(argv[3]);
        const installer::EnrollOutcome outcome = installer::Uninstall(paths).run({}, false);
        std::fputs(qPrintable(outcome.message + '\n'), stdout);
        return int(outcome.status);
    }
    PolkitTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_polkit.moc"
