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
    // The paths go in double quotes before the body; the body is fixed text in single quotes, so it holds none.
    // Where setsid is (not on macOS) the body runs in a session of its own, so that the caller's terminal cannot
    // end it halfway; -w, since a process-group leader gets a forked child. Every end runs c, which removes root's
    // directory with all that was moved into it, whoever's it is: rm -R takes a link as a link and descends by
    // descriptors checked against what it listed (GNU and BSD alike). r refuses with its reason. o compares the owner
    // by number from ls -n (POSIX): find's -user, and BSD's -uid too, take a number for an account's name first.
    // The .staged.* of runs that were killed go first.
    return QStringLiteral(
               R"x(d="%1"; s="%2"; f="%3"; l="%6"; export d s f l; b='r() { echo "$1" >&2; exit 1; }; )x"
               R"x(o() { n=$2; set -f; set -- $(ls -ldn "$1"); set +f; [ "$3" = "$n" ]; }; )x"
               R"x(c() { [ -z "$t" ] || rm -Rf "$t"; t=; }; t=; trap c EXIT; trap "c; exit 129" HUP; )x"
               R"x(trap "c; exit 130" INT; trap "c; exit 141" PIPE; trap "c; exit 143" TERM; )x"
               R"x(mkdir -p -m 755 "$d" && [ -n "$(find "$d" -prune -type d ! -perm -020 ! -perm -002)" ] && o "$d" %5)x"
               R"x( || r "the configuration directory $d is not a directory owned by %5 that no one else can write"; )x"
               R"x(rm -Rf "$d"/.staged.*; t=$(mktemp -d "$d/.staged.XXXXXX") || exit; )x"
               R"x(mv "$s" "$t/s" && [ -n "$(find "$t/s" -prune -type d)" ] && o "$t/s" %4)x"
               R"x( || r "the staging directory $s is not a directory owned by %4"; )x"
               R"x(mv "$t/s/$f" "$t/$f" && [ -n "$(find "$t/$f" -prune -type f -links 1)" ] && o "$t/$f" %4)x"
               R"x( || r "the staged configuration is not a regular file with one link owned by %4"; )x"
               R"x(install -m 600 "$t/$f" "$d/$f" || exit; "$l" kickstart -k system/%7 || :'; )x"
               R"x(if command -v setsid >/dev/null; then exec setsid -w /bin/sh -c "$b"; fi; eval "$b")x")
        .arg(requireSafe(paths.installedConfigDirectory), requireSafe(paths.stagingDirectory), name,
             QString::number(owners.daemonUser), QString::number(owners.commandUser), requireSafe(paths.launchctl),
             contract::toQString(contract::kServiceLabel));
}

} // namespace installer
