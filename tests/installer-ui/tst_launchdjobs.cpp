#include "AgentPaths.h"

#include <QFile>
#include <QTest>

class LaunchdJobsTest : public QObject
{
    Q_OBJECT

private slots:
    void jobsMatchTheAgentContract_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("program");
        QTest::newRow("daemon") << contract::toQString(contract::kServiceLabel)
                                << contract::toQString(contract::kDaemonExecutable);
        QTest::newRow("menu-bar application") << contract::toQString(contract::kGuiAgentLabel)
                                              << "/Applications/Kelvane OS Agent.app/Contents/MacOS/Kelvane OS Agent";
    }

    void jobsMatchTheAgentContract()
    {
        QFETCH(QString, label);
        QFETCH(QString, program);
        QFile plist(QStringLiteral(KELVANE_PACKAGING_DIR "/%1.plist").arg(label));
        QVERIFY(plist.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(plist.readAll());
        QVERIFY(text.contains(QStringLiteral("<key>Label</key>\n    <string>%1</string>").arg(label)));
        QVERIFY(text.contains(
            QStringLiteral("<key>ProgramArguments</key>\n    <array>\n        <string>%1</string>").arg(program)));
    }
};

QTEST_GUILESS_MAIN(LaunchdJobsTest)
#include "tst_launchdjobs.moc"
