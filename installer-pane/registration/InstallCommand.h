#pragma once

#include <QCoreApplication>
#include <QString>

#include <sys/types.h>

namespace installer {

// Where the root command takes the staged configuration from, where it puts it, and what starts the daemon.
struct InstallPaths
{
    QString stagedConfigFile; // directly inside the staging directory
    QString stagingDirectory;
    QString installedConfigDirectory;
    QString launchctl;
};

// Who the root command expects to find: the user who ran the daemon owns what was staged; the user the command
// runs as (the superuser) owns the installed configuration's directory.
struct InstallOwners
{
    uid_t daemonUser = 0;
    uid_t commandUser = 0;
};

// The one shell command line that installs the staged configuration as root, then starts the daemon's job. Fixed
// text around our own paths, no value anyone typed. It touches only what it has checked, however the paths change
// while the authorisation dialog is open: the installed configuration's directory must be a directory (not a link)
// of the command's user that no one else may write; the staging directory is moved whole (a move takes a link
// itself, never what it points to) into a directory that only root can write, and must be there a directory of the
// daemon's user; the staged file is moved out of it beside it, and must be a regular file with one link of the
// same user (owners compared by number). Only then is it installed, with mode 0600. A refused check says which, on
// standard error, and exits 1. Where the system has setsid it runs in a session of its own, out of the caller's
// terminal's reach; at every end, a hang-up, an interrupt, a termination or a closed pipe included, root's directory
// goes with whatever was moved into it, and each run first removes what killed runs left. A failed start of the
// daemon leaves the installation standing: the menu-bar application starts it too.
class InstallCommand
{
    Q_DECLARE_TR_FUNCTIONS(installer::InstallCommand)

public:
    // Throws RegistrationError for a path that the shell would read otherwise than as written.
    static QString build(const InstallPaths &paths, InstallOwners owners);
};

} // namespace installer
