#pragma once

#include "platform/ProcessEnvironment.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

namespace platform {
class AdministratorShell;
class LogSink;
} // namespace platform

namespace installer {

// Runs the installer pane's child processes and its administrator commands. Every failure is
// thrown as RegistrationError with the message for the user. Holds nothing but the shell and the log.
class ProcessHelper
{
    Q_DECLARE_TR_FUNCTIONS(installer::ProcessHelper)

public:
    // A failed administrator command is also logged, when there is a log: for an administrator, what a refused
    // check of the command said is news.
    explicit ProcessHelper(platform::AdministratorShell &shell, platform::LogSink *log = nullptr);

    // Runs the child to its end and returns its exit status; a child ended by a signal gives the
    // signal's number negated, as launchd shows it, so that it never reads as an exit status of its
    // own. No environment: the child inherits ours. The output, when asked for, is the child's
    // standard output as UTF-8, or none when it is not valid UTF-8; it is not written when the
    // child cannot be started. Throws only when the child cannot be started. Standard error is ours, or, when
    // errorOutput is given, kept there as it came.
    static qint32 runProcess(const QString &path, const QStringList &arguments,
                             std::optional<platform::ProcessEnvironment> environment, std::optional<QString> *output,
                             QByteArray *errorOutput = nullptr);
    // As above with our environment, and any status but 0 thrown.
    static void runProcess(const QString &path, const QStringList &arguments);

    // Runs one shell command line as the superuser after the system asks for credentials.
    void runScriptAsRoot(const QString &command) const;
    // Whom runScriptAsRoot runs its commands as.
    uid_t scriptUser() const;

private:
    platform::AdministratorShell &m_shell;
    platform::LogSink *m_log;
};

} // namespace installer
