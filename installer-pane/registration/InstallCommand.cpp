#include "installer-pane/registration/InstallCommand.h"

#include "installer-pane/registration/RegistrationError.h"

#include <QFileInfo>

#include <algorithm>

namespace installer {

namespace {

// Inside double quotes the shell still expands these; a line break would end the AppleScript string.
bool isSafeInQuotes(const QString &path)
{
    return !path.isEmpty() && std::none_of(path.begin(), path.end(), [](QChar c) {
        return QStringView(u"\"\\$`").contains(c) || c.category() == QChar::Other_Control;
    });
}

// The staging directory goes to rm unquoted, as the command has always had it.
bool isSafeUnquoted(const QString &path)
{
    return !path.isEmpty() && std::all_of(path.begin(), path.end(), [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetterOrNumber() || QStringView(u"/._+-").contains(c));
    });
}

const QString &requireSafe(const QString &path, bool safe)
{
    if (!safe) {
        throw RegistrationError(
            InstallCommand::tr("Can't install the configuration: the path '%1' is not safe in a shell command")
                .arg(path));
    }
    return path;
}

} // namespace

QString InstallCommand::build(const InstallPaths &paths, uid_t daemonUser)
{
    const QString &directory =
        requireSafe(paths.installedConfigDirectory, isSafeInQuotes(paths.installedConfigDirectory));
    const QString &staged = requireSafe(paths.stagedConfigFile, isSafeInQuotes(paths.stagedConfigFile));
    const QString &staging = requireSafe(paths.stagingDirectory, isSafeUnquoted(paths.stagingDirectory));
    const QString name = QFileInfo(staged).fileName();
    // The directory is made first, readable by all: the menu-bar application looks for the file as its user.
    // mktemp's directory is root's alone, and goes however the command ends. find prints the file only when
    // it passes every check (a link is no file to find without -L).
    return QStringLiteral("mkdir -p -m 755 \"%1\" && t=$(mktemp -d \"%1/.staged.XXXXXX\") && trap 'rm -Rf \"$t\"' EXIT"
                          " && mv -f \"%2\" \"$t/%3\""
                          " && [ -n \"$(find \"$t/%3\" -type f -links 1 -user %4)\" ]"
                          " && install -m 600 \"$t/%3\" \"%1/%3\" && rm -Rf %5")
        .arg(directory, staged, name, QString::number(daemonUser), staging);
}

} // namespace installer
