#include "platform/LogSink.h"

#include <QDateTime>
#include <QFile>

namespace platform {

QString logLevelName(LogLevel level)
{
    switch (level) {
    case LogLevel::Info:
        return QStringLiteral("info");
    case LogLevel::Warning:
        return QStringLiteral("warning");
    case LogLevel::Error:
        return QStringLiteral("error");
    }
    return QString();
}

FileLogSink::FileLogSink(QString path)
    : m_path(std::move(path))
{}

void FileLogSink::write(LogLevel level, const QString &message)
{
    // Opened per line so that several processes can share one file and nothing is lost on a crash.
    QFile file(m_path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    const QString line =
        QStringLiteral("%1 [%2] %3\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs), logLevelName(level), message);
    file.write(line.toUtf8());
}

} // namespace platform
