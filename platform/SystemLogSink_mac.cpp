#include "platform/LogSink.h"

#include <cstdio>
#include <os/log.h>
#include <unistd.h>

namespace platform {

// os_log_create(3), https://developer.apple.com/documentation/os/os_log_create: a log object that marks every
// line with the subsystem and category, and that its creator releases.
SystemLogSink::SystemLogSink(const QString &subsystem, const QString &category)
    : m_log(os_log_create(subsystem.toUtf8().constData(), category.toUtf8().constData()))
{}

SystemLogSink::~SystemLogSink()
{
    os_release(m_log);
}

void SystemLogSink::write(LogLevel level, const QString &message)
{
    const QByteArray text = message.toUtf8();
    // OS_LOG_TYPE_DEFAULT, not OS_LOG_TYPE_INFO: info lines are kept in memory only and are gone by the time a
    // user collects the log (https://developer.apple.com/documentation/os/oslogtype/default). The unified log
    // has no warning type: warnings take the default type too.
    os_log_with_type(static_cast<os_log_t>(m_log), level == LogLevel::Error ? OS_LOG_TYPE_ERROR : OS_LOG_TYPE_DEFAULT,
                     "%{public}s", text.constData());
    if (isatty(STDERR_FILENO))
        std::fprintf(stderr, "[%s] %s\n", qPrintable(logLevelName(level)), text.constData());
}

} // namespace platform
