#include "platform/ChildProcess.h"
#include "tests/support/ScriptDir.h"

#include <QFile>
#include <QTest>

#include <csignal>

class ChildProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void runsChildToItsEnd_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QByteArray>("errorOutput");
        QTest::addColumn<int>("status");
        QTest::newRow("output, error and status")
            << QByteArray("printf 'out\\n'; printf 'err' >&2; exit 3") << QByteArray("out\n") << QByteArray("err") << 3;
        QTest::newRow("1 MiB on both pipes does not stall")
            << QByteArray("head -c 1048576 /dev/zero; head -c 1048576 /dev/zero >&2") << QByteArray(1048576, '\0')
            << QByteArray(1048576, '\0') << 0;
        QTest::newRow("signal number as status")
            << QByteArray("kill -TERM $$") << QByteArray() << QByteArray() << int(SIGTERM);
    }

    void runsChildToItsEnd()
    {
        QFETCH(QByteArray, script);
        ScriptDir dir;
        const auto result = platform::runChildProcess({dir.write("tool", script), {}, std::nullopt, true});
        QTEST(result.output, "output");
        QTEST(result.errorOutput, "errorOutput");
        QTEST(result.status, "status");
        QCOMPARE(result.signalled, script.startsWith("kill"));
    }

    void startedChildIsCollectedOnceOrEnded()
    {
        ScriptDir dir;
        platform::StartedChildProcess first({"/bin/echo", {"first"}, std::nullopt});
        platform::StartedChildProcess other({"/bin/echo", {"other"}, std::nullopt});
        QCOMPARE(first.finish().output, "first\n");
        // A second collection must not wait for whichever child ends next.
        QVERIFY_THROWS_EXCEPTION(platform::SystemError, first.finish());
        QCOMPARE(other.finish().output, "other\n");

        // Dropped uncollected: ended at once, and reaped.
        const QString marker = dir.filePath("marker");
        pid_t pid = 0;
        {
            platform::StartedChildProcess dropped({dir.write("tool", "sleep 1; touch \"$1\""), {marker}, std::nullopt});
            pid = dropped.pid();
        }
        QCOMPARE(::kill(pid, 0), -1);
        QVERIFY(!QFile::exists(marker));
    }
};

QTEST_GUILESS_MAIN(ChildProcessTest)
#include "tst_childprocess.moc"
