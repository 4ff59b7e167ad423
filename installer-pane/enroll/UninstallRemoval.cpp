#include "installer-pane/enroll/UninstallRemoval.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace installer {

namespace {

// Entries added or swapped while root deletes are taken again a bounded number of times: a user who keeps
// refilling a folder makes the removal fail, not loop.
constexpr int kRounds = 8;

int removeEntry(int parent, const char *name);

std::vector<std::string> entryNames(int directory)
{
    std::vector<std::string> names;
    const int listed = ::dup(directory); // closedir() closes what fdopendir() was given
    DIR *stream = listed < 0 ? nullptr : ::fdopendir(listed);
    if (stream == nullptr) {
        if (listed >= 0)
            ::close(listed);
        return names;
    }
    ::rewinddir(stream);
    while (const dirent *entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(stream);
    return names;
}

int emptyDirectory(int directory)
{
    for (int round = 0; round < kRounds; ++round) {
        const std::vector<std::string> names = entryNames(directory);
        if (names.empty())
            return 0;
        for (const std::string &name : names) {
            if (const int failure = removeEntry(directory, name.c_str()); failure != 0 && failure != ENOENT)
                return failure;
        }
    }
    return ENOTEMPTY;
}

int removeEntry(int parent, const char *name)
{
    for (int round = 0; round < kRounds; ++round) {
        const int directory = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (directory < 0) {
            // A link fails with ELOOP (EMLINK on some BSDs), anything else that is no directory with ENOTDIR.
            if (errno != ENOTDIR && errno != ELOOP && errno != EMLINK)
                return errno;
            if (::unlinkat(parent, name, 0) == 0)
                return 0;
            // A directory swapped in meanwhile: Linux says EISDIR, macOS EPERM.
            if (errno != EISDIR && errno != EPERM)
                return errno;
            continue;
        }
        const int emptied = emptyDirectory(directory);
        ::close(directory);
        if (emptied != 0)
            return emptied;
        if (::unlinkat(parent, name, AT_REMOVEDIR) == 0)
            return 0;
        // Swapped for a link or a file, or filled again: take what is there now.
        if (errno != ENOTDIR && errno != ENOTEMPTY && errno != EEXIST)
            return errno;
    }
    return ENOTEMPTY;
}

} // namespace

int removeWithoutFollowing(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(path)); // a final slash would leave no name to remove
    const int parent = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return errno == ENOENT ? 0 : errno;
    const int failure = removeEntry(parent, QFile::encodeName(info.fileName()).constData());
    ::close(parent);
    return failure == ENOENT ? 0 : failure;
}

} // namespace installer
