#include "common/AgentPaths.h"
#include "installer-pane/registration/InstallCommand.h"
#include "installer-pane/registration/ProcessHelper.h"
#include "installer-pane/registration/RegistrationError.h"
#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/service/ServicesController.h"
#include "platform/AdministratorShell.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// Both administrator paths with the shipped tool locations, against the real pkexec and polkitd that
// run-in-namespace provides. Each function is run as the test account named in its comment.
class PolkitTest : public QObject
{
    Q_OBJECT

private slots:
    // Every account's own: pkexec refuses anything to a caller whose SHELL is not listed in /etc/shells.
    void initTestCase() { qputenv("SHELL", "/opt/odd/shell"); }

    // pk-allowed: what the menu-bar application gets back is what the AppleScript interpreter prints.
    void menubarRunnerPrintsResultAsSuperuser_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("result");
        QTest::newRow("user id") << QString("id -u") << "0\n";
        QTest::newRow("silent success") << QString("true") << "\n";
        QTest::newRow("no final line end") << QString("printf 0") << "0\n";
    }

    void menubarRunnerPrintsResultAsSuperuser()
    {
        QFETCH(QString, command);
        QFETCH(QString, result);
        menubar::ProcessHelper runner(menubarTools());
        try {
            QCOMPARE(runner.executeAsRoot(command), result);
        } catch (const menubar::ProcessError &error) {
            QCOMPARE(error.description(), result);
        }
    }

    // pk-allowed: the configuration staged by this account, installed by root through the real pkexec, is
    // root's alone and the staging directory is gone; that no launchctl is there to start the daemon is no
    // failure. Staged again, with the staging directory swapped for a link to the installed configuration's, as
    // code running as this account could do while the dialog is open: refused, saying why, and the installed
    // configuration is as it was.
    void installCommandInstallsForRootAlone()
    {
        QTemporaryDir dir;
        const QString staging = dir.filePath("staging");
        const QString installed = dir.filePath("installed");
        QVERIFY(QDir().mkdir(staging, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile staged(staging + "/.qmx-osagent.cfg");
        QVERIFY(staged.open(QIODevice::WriteOnly) && staged.write("cfg") == 3);
        staged.close();
        platform::SystemAdministratorShell shell(m_paths.pkexec, m_paths.shell);
        const installer::ProcessHelper root(shell);
        const auto command = installer::InstallCommand::build(
            {staged.fileName(), staging, installed, m_paths.launchctl}, {::geteuid(), shell.commandUser()});
        const auto removeInstalled = qScopeGuard([&] { // not ours to remove
            platform::runAdministratorCommand(
                platform::pkexecRequest(m_paths.pkexec, m_paths.shell, "rm -Rf '" + installed + "'"));
        });
        try {
            root.runScriptAsRoot(command);
        } catch (const installer::RegistrationError &error) {
            QFAIL(qPrintable(error.reason()));
        }
        struct stat status = {};
        QCOMPARE(::stat(QFile::encodeName(installed + "/.qmx-osagent.cfg").constData(), &status), 0);
        QCOMPARE(status.st_uid, 0u);
        QCOMPARE(status.st_mode & 07777, 0600u);
        QVERIFY(!QFile::exists(staging));

        QVERIFY(QFile::link(installed, staging));
        try {
            root.runScriptAsRoot(command);
            QFAIL("a staging directory that is a link was taken");
        } catch (const installer::RegistrationError &error) {
            QCOMPARE(error.reason(), "Can't execute script the staging directory " + staging +
                                         " is not a directory owned by " + QString::number(::geteuid()));
        }
        const auto cat =
            platform::pkexecRequest(m_paths.pkexec, m_paths.shell, "cat '" + installed + "/.qmx-osagent.cfg'");
        QCOMPARE(platform::runChildProcess(cat).output, "cfg");
        QCOMPARE(QDir(installed).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{".qmx-osagent.cfg"});
    }

    // pk-allowed: the start command finds the stand-in launchctl and sudo on pkexec's PATH.
    void startCommandReportsJobState_data()
    {
        QTest::addColumn<QByteArray>("line"); // our job's line in the job list
        QTest::addColumn<bool>("running");
        QTest::addColumn<qint64>("lastErrorCode");
        QTest::newRow("running") << QByteArray("1234\t0\tcom.kelvane.osagent\n") << true << qint64(0);
        QTest::newRow("exited without disk access") << QByteArray("-\t6\tcom.kelvane.osagent\n") << false << qint64(6);
    }

    void startCommandReportsJobState()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, running);
        QFETCH(qint64, lastErrorCode);
        QFile list(qEnvironmentVariable("JOB_LIST"));
        QVERIFY2(list.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(list.errorString()));
        list.write("-\t0\tcom.example.before\n" + line + "-\t0\tcom.example.after\n");
        list.close();

        menubar::ProcessHelper runner(menubarTools());
        QString result;
        try {
            result = runner.executeAsRoot(
                "launchctl start com.kelvane.osagent; sleep 3; sudo launchctl list | grep com.kelvane.osagent");
        } catch (const menubar::ProcessError &error) {
            QFAIL(qPrintable(error.description()));
        }
        QCOMPARE(result, QString::fromUtf8(line));
        QCOMPARE(menubar::ServicesController::parseStartServiceOutput(result),
                 (menubar::StartServiceResult{running, lastErrorCode}));
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

QTEST_GUILESS_MAIN(PolkitTest)
#include "tst_polkit.moc"
