#include "platform/LogSink.h"

#include <cstdio>
#include <os/log.h>
#include <unistd.h>

namespace platform {

void SystemLogSink::write(LogLevel level, const QString &message)
{
    const QByteArray text = message.toUtf8();
    os_log_with_type(OS_LOG_DEFAULT, level == LogLevel::Error ? OS_LOG_TYPE_ERROR : OS_LOG_TYPE_INFO, "%{public}s",
                     text.constData());
    if (isatty(STDERR_FILENO))
        std::fprintf(stderr, "[%s] %s\n", qPrintable(logLevelName(level)), text.constData());
}

} // namespace platform
