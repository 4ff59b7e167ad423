#pragma once

#include <QList>
#include <QString>

namespace platform {

enum class LogLevel { Info, Warning, Error };

// Where log lines go; the text is already formatted.
class LogSink
{
public:
    virtual ~LogSink() = default;
    virtual void write(LogLevel level, const QString &message) = 0;
};

// The operating system's log: syslog(3) on Linux, os_log on macOS. Lines are echoed to
// standard error when that is a terminal, so a developer running the program sees them.
class SystemLogSink : public LogSink
{
public:
    void write(LogLevel level, const QString &message) override;
};

// Appends one line per message; for machines without a log daemon, which drop syslog lines.
class FileLogSink : public LogSink
{
public:
    explicit FileLogSink(QString path);
    void write(LogLevel level, const QString &message) override;

private:
    QString m_path;
};

// Keeps every line in memory, for tests.
class CapturingLogSink : public LogSink
{
public:
    struct Entry
    {
        LogLevel level;
        QString message;
        bool operator==(const Entry &) const = default;
    };

    void write(LogLevel level, const QString &message) override { m_entries.append({level, message}); }
    const QList<Entry> &entries() const { return m_entries; }

private:
    QList<Entry> m_entries;
};

QString logLevelName(LogLevel level);

} // namespace platform
