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

// The operating system's log: syslog(3) on Linux; on macOS os_log under our own subsystem (the bundle
// identifier) and category, so that `log show --predicate 'subsystem == "..."'` finds our lines, with info
// lines at the default level, which macOS keeps on disk (its info level lives in memory only). Lines are
// echoed to standard error when that is a terminal, so a developer running the program sees them.
class SystemLogSink : public LogSink
{
public:
    SystemLogSink(const QString &subsystem, const QString &category);
    ~SystemLogSink() override;
    SystemLogSink(const SystemLogSink &) = delete;
    SystemLogSink &operator=(const SystemLogSink &) = delete;

    void write(LogLevel level, const QString &message) override;

private:
    void *m_log = nullptr; // macOS's log object (os_log_t), ours to release; Linux's syslog needs none
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
