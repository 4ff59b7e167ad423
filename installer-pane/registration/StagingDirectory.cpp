#include "installer-pane/registration/StagingDirectory.h"

#include "installer-pane/registration/RegistrationError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

const QString kDirectoryNoun = QStringLiteral("staging directory");
const QString kFileNoun = QStringLiteral("staged configuration file");

QString systemMessage(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

[[noreturn]] void refuse(const QString &noun, const QString &path, const QString &why)
{
    throw RegistrationError(QStringLiteral("The %1 '%2' %3").arg(noun, path, why));
}

// The entry itself, never what a symbolic link points to; none when nothing is there.
std::optional<struct stat> entryStatus(const QString &noun, const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0)
        return status;
    if (errno == ENOENT)
        return std::nullopt;
    throw RegistrationError(QStringLiteral("Can't check the %1 '%2'. Error: %3").arg(noun, path, systemMessage(errno)));
}

void requireOwnEntry(const QString &noun, const QString &path, const struct stat &status)
{
    if (S_ISLNK(status.st_mode))
        refuse(noun, path, QStringLiteral("is a symbolic link"));
    if (status.st_uid != ::geteuid())
        refuse(noun, path, QStringLiteral("belongs to another user"));
}

void checkDirectory(const QString &path, bool createWhenMissing)
{
    std::optional<struct stat> status = entryStatus(kDirectoryNoun, path);
    if (!status && createWhenMissing) {
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
            throw RegistrationError(
                QStringLiteral("Can't create the %1 '%2'. Error: %3").arg(kDirectoryNoun, path, systemMessage(errno)));
        }
        // Another user may have won the race for the name: look at what is there now.
        status = entryStatus(kDirectoryNoun, path);
    }
    if (!status)
        refuse(kDirectoryNoun, path, QStringLiteral("does not exist"));
    requireOwnEntry(kDirectoryNoun, path, *status);
    if (!S_ISDIR(status->st_mode))
        refuse(kDirectoryNoun, path, QStringLiteral("is not a directory"));
    if ((status->st_mode & (S_IWGRP | S_IWOTH)) != 0)
        refuse(kDirectoryNoun, path, QStringLiteral("is writable by other users"));
}

} // namespace

void prepareStagingDirectory(const QString &path)
{
    checkDirectory(path, true);
}

void verifyStagingDirectory(const QString &path)
{
    checkDirectory(path, false);
}

bool isStagedFilePresent(const QString &path)
{
    const std::optional<struct stat> status = entryStatus(kFileNoun, path);
    if (!status)
        return false;
    requireOwnEntry(kFileNoun, path, *status);
    if (!S_ISREG(status->st_mode))
        refuse(kFileNoun, path, QStringLiteral("is not a regular file"));
    return true;
}

} // namespace installer
