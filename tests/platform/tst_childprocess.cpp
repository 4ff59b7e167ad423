#include "ChildProcess.h"
#include "ScriptDir.h"

#include <QTest>

#include <csignal>

class ChildProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void runsChildToItsEnd_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("arguments"); // with an environment holding ONLY=one alone
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QByteArray>("errorOutput");
        QTest::addColumn<int>("status");
        QTest::newRow("output, error and status") << QByteArray("printf 'out\\n'; printf 'err' >&2; exit 3")
                                                  << QStringList() << QByteArray("out\n") << QByteArray("err") << 3;
        QTest::newRow("arguments unchanged, environment exact")
            << QByteArray(R"(for a in "$@"; do printf '[%s]' "$a"; done; printf '|%s|%s' "$ONLY" "$HOME")")
            << QStringList{"a b", "\"$(x)\"", ""} << QByteArray("[a b][\"$(x)\"][]|one|") << QByteArray() << 0;
        QTest::newRow("1 MiB on both pipes does not stall")
            << QByteArray("head -c 1048576 /dev/zero; head -c 1048576 /dev/zero >&2") << QStringList()
            << QByteArray(1048576, '\0') << QByteArray(1048576, '\0') << 0;
        QTest::newRow("signal number as status")
            << QByteArray("kill -TERM $$") << QStringList() << QByteArray() << QByteArray() << int(SIGTERM);
    }

    void runsChildToItsEnd()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, arguments);
        ScriptDir dir;
        std::optional<QProcessEnvironment> environment;
        if (!arguments.isEmpty())
            environment.emplace().insert("ONLY", "one");
        const auto result = platform::runChildProcess({dir.write("tool", script), arguments, environment, true});
        QTEST(result.output, "output");
        QTEST(result.errorOutput, "errorOutput");
        QTEST(result.status, "status");
        QCOMPARE(result.signalled, script.startsWith("kill"));
    }
};

QTEST_GUILESS_MAIN(ChildProcessTest)
#include "tst_childprocess.moc"
