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
        const QString stamp = R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}\S* )", text = contentOf(path);
        const QRegularExpression lines('^' + stamp + R"(\[info\] started\n)" + stamp +
                                       R"(\[error\] Failed exectute x\n$)");
        QVERIFY2(lines.match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(LogSinkTest)
#include "tst_logsink.moc"
