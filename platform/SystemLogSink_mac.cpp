#include "platform/LogSink.h"

#include <cstdio>
#include <os/log.h>
#include <unistd.h>

namespace platform {

void SystemLogSink::write(LogLevel level, const QString &message)
{
    const QByteArray text = message.toUtf8();
    // The unified log has no warning type; its default type is the one it keeps without being asked to
    // (os_log_with_type, OS_LOG_TYPE_DEFAULT, in Apple's documentation of the os framework).
    const os_log_type_t type = level == LogLevel::Error     ? OS_LOG_TYPE_ERROR
                               : level == LogLevel::Warning ? OS_LOG_TYPE_DEFAULT
                                                            : OS_LOG_TYPE_INFO;
    os_log_with_type(OS_LOG_DEFAULT, type, "%{public}s", text.constData());
    if (isatty(STDERR_FILENO))
        std::fprintf(stderr, "[%s] %s\n", qPrintable(logLevelName(level)), text.constData());
}

} // namespace platform
