#include "installer-pane/enroll/SystemDefaults.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return; // nowhere left to say so
        written += count;
    }
}

} // namespace

QByteArray readStandardInput()
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return bytes; // a closed or unreadable input gives what came so far, which may be empty
        bytes.append(buffer, count);
    }
}

void writeStandardOutput(const QByteArray &bytes)
{
    writeAll(STDOUT_FILENO, bytes);
}

void writeStandardError(const QByteArray &bytes)
{
    writeAll(STDERR_FILENO, bytes);
}

std::optional<uint> consoleUserOf(const QString &consoleDevice)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(consoleDevice).constData(), &status) != 0 || status.st_uid == 0)
        return std::nullopt;
    return uint(status.st_uid);
}

} // namespace installer
