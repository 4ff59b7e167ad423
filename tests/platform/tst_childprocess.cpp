#include "ChildProcess.h"
#include "ScriptDir.h"

#include <QTest>

#include <cerrno>
#include <csignal>

using platform::runChildProcess;

class ChildProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void capturesOutputAndStatus()
    {
        ScriptDir dir;
        const QString tool = dir.write("tool", "printf 'out\\n'; printf 'err' >&2; exit 3");
        const auto result = runChildProcess({tool, {}, std::nullopt, true});
        QCOMPARE(result.output, QByteArray("out\n"));
        QCOMPARE(result.errorOutput, QByteArray("err"));
        QCOMPARE(result.status, 3);
        QVERIFY(!result.signalled);
    }

    void passesArgumentsUnchangedAndEnvironmentExactly()
    {
        ScriptDir dir;
        const QString tool = dir.write("tool", R"(for a in "$@"; do printf '[%s]' "$a"; done; printf '|%s|%s' "$ONLY" "$HOME")");
        QProcessEnvironment environment;
        environment.insert("ONLY", "one");
        const auto result = runChildProcess({tool, {"a b", "\"$(x)\"", ""}, environment});
        QCOMPARE(result.output, QByteArray("[a b][\"$(x)\"][]|one|"));
    }

    void drainsLargeOutputWithoutStalling()
    {
        ScriptDir dir;
        const QString tool = dir.write("tool", "head -c 1048576 /dev/zero; head -c 1048576 /dev/zero >&2");
        const auto result = runChildProcess({tool, {}, std::nullopt, true});
        QCOMPARE(result.output.size(), 1048576);
        QCOMPARE(result.errorOutput.size(), 1048576);
    }

    void reportsSignalNumberForKilledChild()
    {
        ScriptDir dir;
        const QString tool = dir.write("tool", "kill -TERM $$");
        const auto result = runChildProcess({tool, {}, std::nullopt});
        QVERIFY(result.signalled);
        QCOMPARE(result.status, int(SIGTERM));
    }

    void launchFailureCarriesErrno()
    {
        try {
            runChildProcess({"/nonexistent/tool", {}, std::nullopt});
            QFAIL("expected a launch error");
        } catch (const platform::SystemError &error) {
            QCOMPARE(error.code(), ENOENT);
            QCOMPARE(error.message(), QString("No such file or directory"));
        }
    }
};

QTEST_GUILESS_MAIN(ChildProcessTest)
#include "tst_childprocess.moc"
