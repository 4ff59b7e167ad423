#include "installer-pane/enroll/PasswordSource.h"

#include "platform/Utf8.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

QString systemMessage(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Closes the descriptor on every path out.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void refuse(const QString &message)
{
    throw PasswordSourceError(EnrollExit::NoPermission, message);
}

// The opened file as fstat describes it: refused unless it is one private regular file of ours or root's.
void refuseUntrusted(const struct stat &status, const QString &path)
{
    if (!S_ISREG(status.st_mode))
        refuse(PasswordSource::tr("The password file '%1' is not a regular file").arg(path));
    // Another name may lie in a directory that others can reach, or stay behind when this one is removed.
    if (status.st_nlink > 1)
        refuse(PasswordSource::tr("The password file '%1' has more than one link").arg(path));
    if (status.st_uid != ::geteuid() && status.st_uid != 0)
        refuse(PasswordSource::tr("The password file '%1' belongs to another user").arg(path));
    if ((status.st_mode & (S_IRGRP | S_IROTH)) != 0)
        refuse(PasswordSource::tr("The password file '%1' can be read by other users").arg(path));
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        refuse(PasswordSource::tr("The password file '%1' can be changed by other users").arg(path));
}

} // namespace

PasswordSourceError::PasswordSourceError(EnrollExit status, QString message)
    : m_status(status)
    , m_message(std::move(message))
{}

QByteArray PasswordSource::readFile(const QString &path)
{
    // No following of a link, and no waiting on a pipe's writer before the checks can refuse it.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        const int code = errno;
        if (code == ELOOP)
            refuse(tr("The password file '%1' is a symbolic link").arg(path));
        if (code == EACCES)
            refuse(tr("The password file '%1' can't be read by this user").arg(path));
        // A file that is not there is a missing input (sysexits' EX_NOINPUT), which a script may well handle.
        throw PasswordSourceError(code == ENOENT || code == ENOTDIR ? EnrollExit::NoInput : EnrollExit::Failure,
                                  tr("Can't open the password file '%1'. Error: %2").arg(path, systemMessage(code)));
    }
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0) {
        throw PasswordSourceError(EnrollExit::Failure,
                                  tr("Can't check the password file '%1'. Error: %2").arg(path, systemMessage(errno)));
    }
    refuseUntrusted(status, path);

    QByteArray content;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return content;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            throw PasswordSourceError(
                EnrollExit::Failure,
                tr("Can't read the password file '%1'. Error: %2").arg(path, systemMessage(errno)));
        }
        content.append(buffer, count);
    }
}

QString PasswordSource::decode(const QByteArray &bytes, const std::optional<QString> &file)
{
    std::optional<QString> text = platform::decodeUtf8(bytes);
    if (!text) {
        throw PasswordSourceError(EnrollExit::Failure,
                                  file ? tr("The password in the file '%1' is not valid UTF-8 text").arg(*file)
                                       : tr("The password from standard input is not valid UTF-8 text"));
    }
    if (text->endsWith(QLatin1String("\r\n")))
        text->chop(2);
    else if (text->endsWith(QLatin1Char('\n')))
        text->chop(1);
    return *text;
}

QString PasswordSource::emptyMessage(const std::optional<QString> &file)
{
    return file ? tr("The password in the file '%1' is empty").arg(*file)
                : tr("The password from standard input is empty");
}

} // namespace installer
