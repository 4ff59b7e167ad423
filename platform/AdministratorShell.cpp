#include "platform/AdministratorShell.h"

namespace platform {

AdministratorShellError::AdministratorShellError(QString description)
    : m_description(std::move(description))
    , m_what(m_description.toUtf8())
{}

SystemAdministratorShell::SystemAdministratorShell(QString pkexec, QString shell)
    : m_pkexec(std::move(pkexec))
    , m_shell(std::move(shell))
{}

QStringList pkexecArguments(const QString &shell, const QString &command)
{
    return {QStringLiteral("--disable-internal-agent"), shell, QStringLiteral("-c"), command};
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
