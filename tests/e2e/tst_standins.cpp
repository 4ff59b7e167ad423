#include "Sandbox.h"
#include "SandboxSession.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace sandbox;

namespace {

const QString kService = contract::toQString(contract::kServiceLabel);
const QString kAgent = contract::toQString(contract::kGuiAgentLabel);

} // namespace

// The end-to-end suite trusts these two things of the stand-in launchd.
class StandInsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_box.create());
    }

    void cleanupTestCase() { SandboxSession(m_box).stop(); }

    // A job that kept the caller's pipe would make a privileged "start; list | grep" never end.
    void startedJobsLeaveTheCallersOutputAlone()
    {
        QProcess shell;
        shell.start("/bin/sh", {"-c", m_box.paths().launchctl + " start " + kService + " | cat"});
        QVERIFY2(shell.waitForFinished(5000), "launchctl start kept its caller waiting for the job");
        QVERIFY(m_box.isDaemonRunning());
    }

    void listsDaemonsOnlyInTheJobListFormat()
    {
        QProcess list;
        list.start(m_box.paths().launchctl, {"list"});
        QVERIFY(list.waitForFinished(5000));
        const QString output = QString::fromUtf8(list.readAllStandardOutput());
        QVERIFY2(QRegularExpression("^\\d+\\t0\\t" + QRegularExpression::escape(kService) + "$",
                                    QRegularExpression::MultilineOption)
                     .match(output)
                     .hasMatch(),
                 qPrintable(output));
        QVERIFY(!output.contains(kAgent));
    }

    void stopReportsLikeLaunchctl_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("running job") << kService << true;
        QTest::newRow("job not running") << kService << true;
        QTest::newRow("unknown label") << "com.example.unknown" << false;
    }

    void stopReportsLikeLaunchctl()
    {
        QFETCH(QString, label);
        QFETCH(bool, succeeds);
        QCOMPARE(QProcess::execute(m_box.paths().launchctl, {"stop", label}) == 0, succeeds);
        QVERIFY(!m_box.isDaemonRunning());
    }

private:
    QTemporaryDir m_dir;
    Sandbox m_box{m_dir.path() + "/sandbox"};
};

QTEST_GUILESS_MAIN(StandInsTest)
#include "tst_standins.moc"
