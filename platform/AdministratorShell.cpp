#include "platform/AdministratorShell.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

AdministratorShellError::AdministratorShellError(QString description)
    : m_description(std::move(description))
    , m_what(m_description.toUtf8())
{}

SystemAdministratorShell::SystemAdministratorShell(QString pkexec, QString shell)
    : m_pkexec(std::move(pkexec))
    , m_shell(std::move(shell))
{}

uid_t SystemAdministratorShell::commandUser() const
{
    struct stat status = {};
    if (::stat(QFile::encodeName(m_pkexec).constData(), &status) != 0)
        return 0; // no pkexec there, as on macOS, whose dialog runs commands as root
    return (status.st_mode & S_ISUID) != 0 ? status.st_uid : ::geteuid();
}

DirectAdministratorShell::DirectAdministratorShell(QString shell)
    : m_shell(std::move(shell))
{}

uid_t DirectAdministratorShell::commandUser() const
{
    return ::geteuid();
}

void DirectAdministratorShell::run(const QString &command)
{
    runAdministratorCommand({m_shell, {QStringLiteral("-c"), command}, std::nullopt});
}

void runAdministratorCommand(ChildProcessRequest request)
{
    request.captureStandardError = true;
    ChildProcessResult result;
    try {
        result = runChildProcess(request);
    } catch (const SystemError &error) {
        throw AdministratorShellError(error.message());
    }
    if (result.status == 0 && !result.signalled)
        return;
    const QString errorText = QString::fromUtf8(result.errorOutput).trimmed();
    throw AdministratorShellError(errorText.isEmpty() ? QStringLiteral("exit status %1").arg(result.status)
                                                      : errorText);
}

ChildProcessRequest pkexecRequest(const QString &pkexec, const QString &shell, const QString &command)
{
    ProcessEnvironment environment = ProcessEnvironment::current();
    environment.set("SHELL", QFile::encodeName(shell));
    return {pkexec,
            {QStringLiteral("--disable-internal-agent"), shell, QStringLiteral("-c"), command},
            std::move(environment)};
}

QString escapeDoubleQuotes(const QString &command)
{
    QString escaped = command;
    return escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
}

QString administratorScriptSource(const QString &command)
{
    return QStringLiteral("do shell script \"%1\" with administrator privileges").arg(command);
}

} // namespace platform
