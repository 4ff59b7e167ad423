#include "platform/LogSink.h"

#include <cstdio>
#include <syslog.h>
#include <unistd.h>

namespace platform {

// syslog(3) has no subsystems: its lines carry the program's name.
SystemLogSink::SystemLogSink(const QString &, const QString &)
{}

SystemLogSink::~SystemLogSink() = default;

void SystemLogSink::write(LogLevel level, const QString &message)
{
    const QByteArray text = message.toUtf8();
    const int priority = level == LogLevel::Error ? LOG_ERR : level == LogLevel::Warning ? LOG_WARNING : LOG_INFO;
    syslog(priority, "%s", text.constData());
    if (isatty(STDERR_FILENO))
        std::fprintf(stderr, "[%s] %s\n", qPrintable(logLevelName(level)), text.constData());
}

} // namespace platform
