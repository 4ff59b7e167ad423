#include "ProcessError.h"
#include "ProcessHelper.h"
#include "ScriptDir.h"

#include <QTest>

using menubar::ProcessError;
using menubar::ProcessHelper;

namespace {

QString errorDescriptionOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const ProcessError &error) {
        return error.description();
    }
    return QStringLiteral("no error");
}

} // namespace

class ProcessHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void returnsOutputOrRunnerError_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("failure status after text returns the text")
            << QByteArray("printf 'partial'; exit 1") << "partial" << "no error";
        QTest::newRow("final line end kept") << QByteArray("printf 'a\\nb\\n'") << "a\nb\n" << "no error";
        QTest::newRow("silent child is missing data")
            << QByteArray("exit 0") << QString() << R"x(Error Domain=Missing data Code=0 "(null)")x";
        QTest::newRow("invalid UTF-8") << QByteArray("printf 'ok\\377'") << QString()
                                       << R"x(Error Domain=Failed to decode output Code=0 "(null)")x";
        QTest::newRow("killed by a signal after writing") << QByteArray("printf 'x'; kill -KILL $$") << "x"
                                                          << "no error";
    }

    void returnsOutputOrRunnerError()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, output);
        QFETCH(QString, error);
        ScriptDir dir;
        ProcessHelper helper({});
        QString text;
        QCOMPARE(errorDescriptionOf([&] { text = helper.executeProcess(dir.write("child", script), {}); }), error);
        QCOMPARE(text, output);
    }

    void launchFailureIsThePlatformError()
    {
        ProcessHelper helper({});
        QCOMPARE(errorDescriptionOf([&] { helper.executeProcess("/nonexistent/ps", {"-axco", "comm"}); }),
                 QString(R"(Error Domain=NSPOSIXErrorDomain Code=2 "No such file or directory")"));
    }

    void megabyteOfOutputDoesNotStall()
    {
        ScriptDir dir;
        ProcessHelper helper({});
        QCOMPARE(helper.executeProcess(dir.write("child", "head -c 1048576 /dev/zero | tr '\\0' x"), {}).size(),
                 1048576);
    }

    void runsAppleScriptWhereTheInterpreterExists()
    {
        ScriptDir dir;
        const QString osascript = dir.write("osascript", R"(for a in "$@"; do printf '%s\n' "$a"; done)");
        ProcessHelper helper({osascript, dir.path("pkexec-unused"), "/bin/sh"});
        QCOMPARE(helper.executeAsRoot("launchctl stop com.kelvane.osagent"),
                 QString("-e\ndo shell script \"launchctl stop com.kelvane.osagent\" with administrator privileges\n"));
    }

    void runsThroughPkexecElsewhere_data()
    {
        QTest::addColumn<QByteArray>("pkexec");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        const QByteArray runs = R"(exec "$@")";
        QTest::newRow("output kept with one line end") << runs << "printf 'a\\tb\\n'" << "a\tb\n" << "no error";
        QTest::newRow("line end added") << runs << "printf 'a'" << "a\n" << "no error";
        QTest::newRow("silent success is one line end") << runs << "true" << "\n" << "no error";
        QTest::newRow("failing command prints no result")
            << runs << "echo partial; exit 1" << QString() << R"x(Error Domain=Missing data Code=0 "(null)")x";
        QTest::newRow("refused authorisation") << QByteArray("echo 'Not authorized' >&2; exit 127") << "true"
                                               << QString() << R"x(Error Domain=Missing data Code=0 "(null)")x";
    }

    void runsThroughPkexecElsewhere()
    {
        QFETCH(QByteArray, pkexec);
        QFETCH(QString, command);
        QFETCH(QString, output);
        QFETCH(QString, error);
        ScriptDir dir;
        ProcessHelper helper({dir.path("no-osascript"), dir.write("pkexec", pkexec), "/bin/sh"});
        QString text;
        QCOMPARE(errorDescriptionOf([&] { text = helper.executeAsRoot(command); }), error);
        QCOMPARE(text, output);
    }

    void pkexecGetsTheShellAndTheCommandAsOneArgument()
    {
        ScriptDir dir;
        const QString pkexec = dir.write("pkexec", R"(printf '%s|' "$@")");
        ProcessHelper helper({dir.path("no-osascript"), pkexec, "/bin/sh"});
        QCOMPARE(helper.executeAsRoot("launchctl start x; sleep 3"), QString("/bin/sh|-c|launchctl start x; sleep 3|\n"));
    }
};

QTEST_GUILESS_MAIN(ProcessHelperTest)
#include "tst_processhelper.moc"
