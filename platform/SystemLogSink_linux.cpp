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
    syslog(level == LogLevel::Error ? LOG_ERR : LOG_INFO, "%s", text.constData());
    if (isatty(STDERR_FILENO))
        std::fprintf(stderr, "[%s] %s\n", qPrintable(logLevelName(level)), text.constData());
}

} // namespace platform
