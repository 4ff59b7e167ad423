#pragma once

#include <QCoreApplication>
#include <QString>

#include <sys/types.h>

namespace installer {

// Where the root command takes the staged configuration from and puts it.
struct InstallPaths
{
    QString stagedConfigFile;
    QString stagingDirectory;
    QString installedConfigDirectory;
};

// The one shell command line that installs the staged configuration as root. Fixed text around our own
// paths, no value anyone typed: the staged file is first moved (a move takes a link itself, never what it
// points to) into a directory that only root can write, checked there to be a regular file with one link
// that belongs to the user who ran the daemon, and installed with mode 0600 under its own name; then the
// staging directory is removed. What is checked is what is installed, however the staged path changes
// while the authorisation dialog is open.
class InstallCommand
{
    Q_DECLARE_TR_FUNCTIONS(installer::InstallCommand)

public:
    // Throws RegistrationError for a path that the shell would read otherwise than as written.
    static QString build(const InstallPaths &paths, uid_t daemonUser);
};

} // namespace installer
