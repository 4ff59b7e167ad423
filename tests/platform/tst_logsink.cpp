#include "platform/LogSink.h"
#include "tests/support/FileText.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class LogSinkTest : public QObject
{
    Q_OBJECT

private slots:
    // One line per message, stamped and named by its level, appended by every writer of the file.
    void fileLinesCarryTheirLevel()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("agent.log");
        platform::FileLogSink(path).write(platform::LogLevel::Info, "started");
        platform::FileLogSink(path).write(platform::LogLevel::Error, "Failed exectute x");
        const QStringList lines = contentOf(path).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QString stamp = R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}\S* )";
        QVERIFY2(lines[0].contains(QRegularExpression(stamp + R"(\[info\] started$)")), qPrintable(lines[0]));
        QVERIFY2(lines[1].contains(QRegularExpression(stamp + R"(\[error\] Failed exectute x$)")),
                 qPrintable(lines[1]));
    }
};

QTEST_GUILESS_MAIN(LogSinkTest)
#include "tst_logsink.moc"
