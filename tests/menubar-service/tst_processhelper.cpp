#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessHelper.h"
#include "tests/support/ScriptDir.h"

#include <QTest>

class ProcessHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void returnsOutputOrRunnerError_data()
    {
        QTest::addColumn<QByteArray>("child"); // the program, or pkexec for a command; none: no such file
        QTest::addColumn<QString>("command");  // run as root; none: the child is run itself
        QTest::addColumn<bool>("osascript");   // the child stands in for the AppleScript interpreter
        QTest::addColumn<QString>("result");   // the text returned, final line end kept, or the error's description
        const QString missing = R"x(Error Domain=Missing data Code=0 "(null)")x";
        const QByteArray runs = R"([ "$1" = --disable-internal-agent ] && shift; exec "$@")";
        QTest::newRow("text, then exit 1") << QByteArray("printf 'a\\nb\\n'; exit 1") << QString() << false << "a\nb\n";
        QTest::newRow("silent child is missing data") << QByteArray("exit 0") << QString() << false << missing;
        QTest::newRow("invalid UTF-8") << QByteArray("printf 'ok\\377'") << QString() << false
                                       << R"x(Error Domain=Failed to decode output Code=0 "(null)")x";
        QTest::newRow("launch error") << QByteArray() << QString() << false
                                      << R"(Error Domain=NSPOSIXErrorDomain Code=2 "No such file or directory")";
        QTest::newRow("AppleScript") << QByteArray(R"(printf '%s\n' "$@")") << "launchctl stop x" << true
                                     << "-e\ndo shell script \"launchctl stop x\" with administrator privileges\n";
        QTest::newRow("pkexec output kept with one line end") << runs << "printf 'a\\tb\\n'" << false << "a\tb\n";
        QTest::newRow("pkexec silent success is one line end") << runs << "true" << false << "\n";
        QTest::newRow("pkexec failure prints no result") << runs << "echo partial; exit 1" << false << missing;
    }

    void returnsOutputOrRunnerError()
    {
        QFETCH(QByteArray, child);
        QFETCH(QString, command);
        QFETCH(bool, osascript);
        QFETCH(QString, result);
        ScriptDir dir;
        const QString program = child.isNull() ? dir.filePath("missing") : dir.write("child", child);
        menubar::ProcessHelper helper({osascript ? program : dir.filePath("no-osascript"), program, "/bin/sh"});
        try {
            QCOMPARE(command.isNull() ? helper.executeProcess(program, {}) : helper.executeAsRoot(command), result);
        } catch (const menubar::ProcessError &error) {
            QCOMPARE(error.description(), result);
        }
    }
};

QTEST_GUILESS_MAIN(ProcessHelperTest)
#include "tst_processhelper.moc"
