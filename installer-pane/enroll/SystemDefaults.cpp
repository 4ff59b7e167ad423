#include "installer-pane/enroll/SystemDefaults.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <utmpx.h>

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

// Up to the end of the input, or up to the end of the first line.
QByteArray readFrom(int input, bool oneLine)
{
    QByteArray bytes;
    char buffer[4096];
    while (!oneLine || !bytes.endsWith('\n')) {
        const ssize_t count = ::read(input, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break; // a closed or unreadable input gives what came so far, which may be empty
        bytes.append(buffer, count);
    }
    return bytes;
}

} // namespace

QByteArray readStandardInput(int input, const QByteArray &prompt)
{
    termios typed = {};
    if (::isatty(input) == 0 || ::tcgetattr(input, &typed) != 0)
        return readFrom(input, false);
    // Echo off before the prompt shows, so that nothing typed after it is echoed; the line's end is echoed still.
    termios hidden = typed;
    hidden.c_lflag = (hidden.c_lflag & ~tcflag_t(ECHO)) | ECHONL;
    const bool silenced = ::tcsetattr(input, TCSAFLUSH, &hidden) == 0;
    const char *name = ::ttyname(input);
    const int terminal = name ? ::open(name, O_WRONLY | O_NOCTTY | O_CLOEXEC) : -1;
    if (terminal >= 0) {
        writeAll(terminal, prompt);
        ::close(terminal);
    }
    // The terminal hands over one line at a time: read to its end, and no further.
    QByteArray line = readFrom(input, true);
    if (silenced)
        ::tcsetattr(input, TCSANOW, &typed);
    return line;
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

QList<uint> loggedInUsers()
{
    QList<uint> users;
    ::setutxent();
    while (const utmpx *entry = ::getutxent()) {
        if (entry->ut_type != USER_PROCESS)
            continue;
        const QByteArray name(entry->ut_user, qsizetype(::strnlen(entry->ut_user, sizeof entry->ut_user)));
        const passwd *account = ::getpwnam(name.constData());
        if (account && account->pw_uid != 0 && !users.contains(account->pw_uid))
            users << account->pw_uid;
    }
    ::endutxent();
    return users;
}

} // namespace installer
