#pragma once

#include "platform/ChildProcess.h"

#include <QString>
#include <QStringList>

#include <exception>
#include <sys/types.h>

namespace platform {

// The command could not be run as the superuser: refused or cancelled authorisation, or a
// command that failed. The description is what the system said about it.
class AdministratorShellError : public std::exception
{
public:
    explicit AdministratorShellError(QString description);
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    QByteArray m_what;
};

// Runs one shell command line as the superuser after the system's authorisation dialog.
class AdministratorShell
{
public:
    virtual ~AdministratorShell() = default;
    virtual void run(const QString &command) = 0;
    // Whom the commands run as, and so whom a directory that only they may change must belong to: the superuser.
    virtual uid_t commandUser() const { return 0; }
};

// In-process AppleScript on macOS; pkexec with the given tools elsewhere (both paths are
// ignored on macOS).
class SystemAdministratorShell : public AdministratorShell
{
public:
    SystemAdministratorShell(QString pkexec, QString shell);
    void run(const QString &command) override;
    // The superuser, as the real pkexec (set-user-ID root) and macOS's dialog give. A pkexec that is no
    // set-user-ID program, as a stand-in, runs its commands as us.
    uid_t commandUser() const override;

private:
    QString m_pkexec;
    QString m_shell;
};

// For a process that already runs as the superuser, as a device-management tool runs its scripts: the
// command goes straight to the shell, with no authorisation to ask for.
class DirectAdministratorShell : public AdministratorShell
{
public:
    explicit DirectAdministratorShell(QString shell);
    void run(const QString &command) override;
    uid_t commandUser() const override;

private:
    QString m_shell;
};

// Runs the child to its end with its standard error captured. A child that cannot be started, ends by a
// signal or exits with anything but 0 is thrown as AdministratorShellError with what it wrote to standard
// error, or its status when it wrote nothing.
void runAdministratorCommand(ChildProcessRequest request);

// pkexec running a command line through the shell, with our environment but for SHELL. Its own text agent
// is turned off: started from a terminal with no graphical agent about, it would ask for the password on
// that terminal and keep the caller waiting there. And it is told that shell as SHELL: pkexec refuses
// outright to run anything for a caller whose SHELL is not listed in /etc/shells.
ChildProcessRequest pkexecRequest(const QString &pkexec, const QString &shell, const QString &command);

// The installer's quoting rule for AppleScript: every double quote becomes \" and nothing else
// changes (backslashes are not doubled). The menu-bar application inserts its commands verbatim.
QString escapeDoubleQuotes(const QString &command);
// The AppleScript that runs a command line as the superuser, the command inserted as given.
QString administratorScriptSource(const QString &command);

} // namespace platform
