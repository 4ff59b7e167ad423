#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "tests/support/ScriptDir.h"

#include <QTest>

// A label goes verbatim into a root shell command line: only what no shell reads specially may pass.
static_assert(contract::detail::isShellSafeLabel("com.kelvane.osagent-agent_2") &&
              std::ranges::none_of(std::array<std::string_view, 9>{"com.kelvane;id", "a|b", "$(id)", "a'b", "a*", "a&b",
                                                                   "caf\xc3\xa9", "-x", ""},
                                   contract::detail::isShellSafeLabel));

// Bad input, one table per place where it enters, on the real helpers: it ends in what the user should see.
class BadInputTest : public QObject
{
    Q_OBJECT

    struct RecordingShell : platform::AdministratorShell
    {
        void run(const QString &command) override { commands << command; }
        QStringList commands;
    };

private slots:
    void formAndDaemonEndInAMessage_data()
    {
        QTest::addColumn<QStringList>("form");  // address, login, password, name
        QTest::addColumn<QByteArray>("daemon"); // a script, "missing", "not executable"; none: the stand-in
        QTest::addColumn<QString>("reason");    // @ stands for the daemon's path
        QTest::addColumn<QString>("log");       // what reaches the log of the daemon's standard error
        const QStringList form{"A", "L", "P", "N"};
        const auto row = [](const char *name, const QStringList &form, const QByteArray &daemon, const QString &reason,
                            const QString &log = {}) { QTest::newRow(name) << form << daemon << reason << log; };
        row("form: 64 KiB in every field", QStringList(4, QString(65536, 'v')), {}, "");
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

    void formAndDaemonEndInAMessage()
    {
        QFETCH(QStringList, form);
        QFETCH(QByteArray, daemon);
        QFETCH(QString, reason);
        QFETCH(QString, log);
        ScriptDir dir;
        qputenv("QMX_STANDIN_RECORD_DIR", QFile::encodeName(dir.path()));
        qputenv("QMX_STANDIN_EXIT_STATUS", "0"); // scripted: enrolled, nothing staged
        contract::AgentPaths paths;
        paths.daemonExecutable = daemon.isNull() ? STANDIN_DAEMON : dir.write("daemon", daemon);
        if (daemon == "not executable")
            QFile::setPermissions(paths.daemonExecutable, QFile::ReadOwner | QFile::WriteOwner);
        if (daemon == "missing")
            QFile::remove(paths.daemonExecutable);
        paths.stagingDirectory = dir.filePath("staging");
        paths.stagedConfigFile = dir.filePath("staging/.qmx-osagent.cfg");
        RecordingShell shell;
        platform::CapturingLogSink logged;
        try {
            installer::RegistrationHelper(paths, shell, logged).registerWithAddress(form[0], form[1], form[2], form[3]);
            QCOMPARE(QString(), reason);
        } catch (const installer::RegistrationError &error) {
            QCOMPARE(error.reason(), reason.replace('@', paths.daemonExecutable));
        }
        // The stand-in records what it was given: each value as one argument, unchanged.
        QStringList arguments = QString::fromUtf8(dir.read("arguments")).split(QChar(0));
        arguments.removeLast();
        const QStringList expected{"-r", form[1], form[0], form[2], "-n", form[3]};
        QCOMPARE(arguments, reason.isEmpty() ? expected : QStringList());
        QVERIFY(shell.commands.isEmpty());
        QCOMPARE(logged.entries().size(), log.isEmpty() ? 0 : 1);
        QVERIFY(log.isEmpty() || logged.entries().constFirst().message == log);
        QVERIFY(!QFile::exists(dir.filePath("daemon.late"))); // the registration ended before a child left behind
    }
};

QTEST_GUILESS_MAIN(BadInputTest)
#include "tst_badinput.moc"
