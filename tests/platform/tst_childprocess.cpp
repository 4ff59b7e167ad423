#include "platform/ChildProcess.h"
#include "tests/support/ScriptDir.h"

#include <QFile>
#include <QTest>

#include <csignal>

class ChildProcessTest : public QObject
{
    Q_OBJECT

private slots:
    // A mebibyte on each pipe: both are drained while the child runs, or it would stall. (The exit status, and a
    // signal's number as the status: tst_registrationhelper's rows.)
    void runsChildToItsEnd()
    {
        ScriptDir dir;
        const QByteArray script = "head -c 1048576 /dev/zero; head -c 1048576 /dev/zero | tr '\\0' e >&2";
        const auto result = platform::runChildProcess({dir.write("tool", script), {}, std::nullopt, true});
        QCOMPARE(result.output, QByteArray(1048576, '\0'));
        QCOMPARE(result.errorOutput, QByteArray(1048576, 'e'));
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
