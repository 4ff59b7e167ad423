#include "installer-pane/registration/StagingDirectory.h"

#include "installer-pane/registration/RegistrationError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

// Whole sentences, one for each entry and each fault, so that every language can word them its own way.
enum class Entry { StagingDirectory, StagedFile, InstalledConfigDirectory };
enum class Fault { SymbolicLink, AnotherUsers, Missing, NotADirectory, NotARegularFile, WritableByOthers };

// The context of these messages in the catalogues.
struct StagingDirectory
{
    Q_DECLARE_TR_FUNCTIONS(installer::StagingDirectory)
};

QString systemMessage(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QString installedConfigDirectoryMessage(Fault fault)
{
    switch (fault) {
    case Fault::SymbolicLink:
        return StagingDirectory::tr("The configuration directory '%1' is a symbolic link");
    case Fault::AnotherUsers:
        return StagingDirectory::tr("The configuration directory '%1' belongs to another user");
    case Fault::NotADirectory:
        return StagingDirectory::tr("The configuration directory '%1' is not a directory");
    default:
        return StagingDirectory::tr("The configuration directory '%1' is writable by other users");
    }
}

QString faultMessage(Entry entry, Fault fault)
{
    if (entry == Entry::InstalledConfigDirectory)
        return installedConfigDirectoryMessage(fault);
    const bool directory = entry == Entry::StagingDirectory;
    switch (fault) {
    case Fault::SymbolicLink:
        return directory ? StagingDirectory::tr("The staging directory '%1' is a symbolic link")
                         : StagingDirectory::tr("The staged configuration file '%1' is a symbolic link");
    case Fault::AnotherUsers:
        return directory ? StagingDirectory::tr("The staging directory '%1' belongs to another user")
                         : StagingDirectory::tr("The staged configuration file '%1' belongs to another user");
    case Fault::Missing:
        return StagingDirectory::tr("The staging directory '%1' does not exist");
    case Fault::NotADirectory:
        return StagingDirectory::tr("The staging directory '%1' is not a directory");
    case Fault::NotARegularFile:
        return StagingDirectory::tr("The staged configuration file '%1' is not a regular file");
    case Fault::WritableByOthers:
        return StagingDirectory::tr("The staging directory '%1' is writable by other users");
    }
    return QString();
}

QString checkFailedMessage(Entry entry)
{
    switch (entry) {
    case Entry::StagingDirectory:
        return StagingDirectory::tr("Can't check the staging directory '%1'. Error: %2");
    case Entry::StagedFile:
        return StagingDirectory::tr("Can't check the staged configuration file '%1'. Error: %2");
    case Entry::InstalledConfigDirectory:
        return StagingDirectory::tr("Can't check the configuration directory '%1'. Error: %2");
    }
    return QString();
}

[[noreturn]] void refuse(Entry entry, const QString &path, Fault fault)
{
    throw RegistrationError(faultMessage(entry, fault).arg(path));
}

// The entry itself, never what a symbolic link points to; none when nothing is there.
std::optional<struct stat> entryStatus(Entry entry, const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0)
        return status;
    if (errno == ENOENT)
        return std::nullopt;
    throw RegistrationError(checkFailedMessage(entry).arg(path, systemMessage(errno)));
}

void requireOwnEntry(Entry entry, const QString &path, const struct stat &status, uid_t owner)
{
    if (S_ISLNK(status.st_mode))
        refuse(entry, path, Fault::SymbolicLink);
    if (status.st_uid != owner)
        refuse(entry, path, Fault::AnotherUsers);
}

// A real directory of the owner that only the owner may write.
void requireOwnDirectory(Entry entry, const QString &path, const struct stat &status, uid_t owner)
{
    requireOwnEntry(entry, path, status, owner);
    if (!S_ISDIR(status.st_mode))
        refuse(entry, path, Fault::NotADirectory);
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        refuse(entry, path, Fault::WritableByOthers);
}

void checkDirectory(const QString &path, bool createWhenMissing)
{
    std::optional<struct stat> status = entryStatus(Entry::StagingDirectory, path);
    if (!status && createWhenMissing) {
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
            throw RegistrationError(StagingDirectory::tr("Can't create the staging directory '%1'. Error: %2")
                                        .arg(path, systemMessage(errno)));
        }
        // Another user may have won the race for the name: look at what is there now.
        status = entryStatus(Entry::StagingDirectory, path);
    }
    if (!status)
        refuse(Entry::StagingDirectory, path, Fault::Missing);
    requireOwnDirectory(Entry::StagingDirectory, path, *status, ::geteuid());
}

} // namespace

void prepareStagingDirectory(const QString &path)
{
    checkDirectory(path, true);
}

QString privateStagingDirectory(const QString &parent)
{
    // Qt gives no path for a TMPDIR that does not exist; mkdtemp would then make the directory at the root.
    if (parent.isEmpty() || !QFileInfo(parent).isDir()) {
        throw RegistrationError(
            StagingDirectory::tr("Can't create the staging directory: the temporary directory '%1' (TMPDIR) does not "
                                 "exist")
                .arg(parent.isEmpty() ? qEnvironmentVariable("TMPDIR") : parent));
    }
    const QStringList earlier = QDir(parent).entryList({QStringLiteral("osagent.??????")},
                                                       QDir::Dirs | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : earlier) {
        QString path = parent + u'/' + name;
        try {
            verifyStagingDirectory(path);
            return path;
        } catch (const RegistrationError &) {
            // Someone else's, or not safe: not one to stage in.
        }
    }
    QByteArray path = QFile::encodeName(parent + QStringLiteral("/osagent.XXXXXX"));
    if (::mkdtemp(path.data()) == nullptr) {
        throw RegistrationError(StagingDirectory::tr("Can't create the staging directory '%1'. Error: %2")
                                    .arg(QFile::decodeName(path), systemMessage(errno)));
    }
    return QFile::decodeName(path);
}

void verifyStagingDirectory(const QString &path)
{
    checkDirectory(path, false);
}

bool isStagedFilePresent(const QString &path)
{
    const std::optional<struct stat> status = entryStatus(Entry::StagedFile, path);
    if (!status)
        return false;
    requireOwnEntry(Entry::StagedFile, path, *status, ::geteuid());
    if (!S_ISREG(status->st_mode))
        refuse(Entry::StagedFile, path, Fault::NotARegularFile);
    return true;
}

void verifyInstalledConfigDirectory(const QString &path, uid_t owner)
{
    if (const std::optional<struct stat> status = entryStatus(Entry::InstalledConfigDirectory, path))
        requireOwnDirectory(Entry::InstalledConfigDirectory, path, *status, owner);
}

} // namespace installer
