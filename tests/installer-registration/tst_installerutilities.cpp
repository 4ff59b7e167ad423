#include "AdministratorShell.h"
#include "ProcessHelper.h"
#include "RegistrationError.h"
#include "ScriptDir.h"
#include "UiHelper.h"

#include <QLineEdit>
#include <QTest>

using installer::ProcessHelper;
using installer::UiHelper;

class InstallerUtilitiesTest : public QObject
{
    Q_OBJECT

private slots:
    void runProcessReportsFailuresForTheUser_data()
    {
        QTest::addColumn<QByteArray>("script"); // none: no executable there
        QTest::addColumn<QString>("reason");    // @ stands for the path
        const QString failed = "Process '@' failed with exit code: ";
        QTest::newRow("status 0 raises nothing") << QByteArray("echo text") << "no error";
        QTest::newRow("silent failure") << QByteArray("exit 2") << failed + "2\n\n";
        QTest::newRow("invalid UTF-8 is no output") << QByteArray("printf 'ok\\377'; exit 1") << failed + "1\n\n";
        QTest::newRow("10 MiB cut to its end")
            << QByteArray("head -c 10485760 /dev/zero | tr '\\0' x; printf E; exit 1")
            << failed + "1\n\n…\n" + QString(3999, 'x') + "E";
        QTest::newRow("cannot start") << QByteArray() << "Can't run process '@'. Error: No such file or directory";
    }

    void runProcessReportsFailuresForTheUser()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, reason);
        ScriptDir dir;
        const QString path = script.isNull() ? dir.path("missing") : dir.write("child", script);
        QString thrown = "no error";
        try {
            ProcessHelper::runProcess(path, {});
        } catch (const installer::RegistrationError &error) {
            thrown = error.reason();
        }
        QCOMPARE(thrown, reason.replace('@', path));
    }

    void administratorSourceEscapesQuotesOnly()
    {
        QCOMPARE(
            platform::administratorScriptSource(platform::escapeDoubleQuotes("cp \"a b\" \"c\\d\" && echo 'x\\n'")),
            QString("do shell script \"cp \\\"a b\\\" \\\"c\\d\\\" && echo 'x\\n'\" with administrator privileges"));
    }

    void fieldHelpersTrimOnlyWhiteSpace()
    {
        QCOMPARE(UiHelper::trim(u" \t\n\u00a0\u2003a  b\u0085\r\v\f "_qs), QString("a  b"));
        QCOMPARE(UiHelper::trim(u"\u200ba"_qs), u"\u200ba"_qs); // a format character, not white space
        QLineEdit blank(" ");
        QLineEdit empty;
        QVERIFY(!UiHelper::isEmpty(&blank));
        QVERIFY(UiHelper::isEmpty(&empty));
        QVERIFY(UiHelper::isEmpty(nullptr));
    }
};

QTEST_MAIN(InstallerUtilitiesTest)
#include "tst_installerutilities.moc"
