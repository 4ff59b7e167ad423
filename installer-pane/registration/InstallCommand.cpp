#include "installer-pane/registration/InstallCommand.h"

#include "common/AgentPaths.h"
#include "installer-pane/registration/RegistrationError.h"

#include <QFileInfo>

#include <algorithm>

namespace installer {

namespace {

// Inside double quotes the shell still expands these; a line break would end the AppleScript string, and
// AppleScript reads a backslash as an escape of its own.
const QString &requireSafe(const QString &path)
{
    const bool safe = !path.isEmpty() && std::none_of(path.begin(), path.end(), [](QChar c) {
        return QStringView(u"\"\\$`").contains(c) || c.category() == QChar::Other_Control;
    });
    if (!safe) {
        throw RegistrationError(
            InstallCommand::tr("Can't install the configuration: the path '%1' is not safe in a shell command")
                .arg(path));
    }
    return path;
}

} // namespace

QString InstallCommand::build(const InstallPaths &paths, InstallOwners owners)
{
    const QString name = QFileInfo(requireSafe(paths.stagedConfigFile)).fileName();
    // r refuses with its reason. The directory is made first, readable by all: the menu-bar application looks for
    // the file as its user. mktemp's directory is root's alone; at the end it goes with what was moved into it,
    // unless that is neither a link nor the daemon's user's (own is set once it is known to be). find without -L
    // takes a link as a link, and -prune keeps it out of a directory.
    return QStringLiteral(
               R"x(r() { echo "$1" >&2; exit 1; }; own=; d="%1"; s="%2"; f="%3"; )x"
               R"x(mkdir -p -m 755 "$d" && [ -n "$(find "$d" -prune -type d -user %5 ! -perm -020 ! -perm -002)" ])x"
               R"x( || r "the configuration directory $d is not a directory owned by %5 that no one else can write"; )x"
               R"x(t=$(mktemp -d "$d/.staged.XXXXXX") || exit; )x"
               R"x(trap '[ -n "$own" ] || [ -L "$t/s" ] || [ ! -e "$t/s" ] && rm -Rf "$t"' EXIT; )x"
               R"x(mv "$s" "$t/s" && [ -n "$(find "$t/s" -prune -type d -user %4)" ])x"
               R"x( || r "the staging directory $s is not a directory owned by %4"; own=1; )x"
               R"x(mv "$t/s/$f" "$t/$f" && [ -n "$(find "$t/$f" -prune -type f -links 1 -user %4)" ])x"
               R"x( || r "the staged configuration is not a regular file with one link owned by %4"; )x"
               R"x(install -m 600 "$t/$f" "$d/$f" || exit; "%6" kickstart -k system/%7 || :)x")
        .arg(requireSafe(paths.installedConfigDirectory), requireSafe(paths.stagingDirectory), name,
             QString::number(owners.daemonUser), QString::number(owners.commandUser), requireSafe(paths.launchctl),
             contract::toQString(contract::kServiceLabel));
}

} // namespace installer
