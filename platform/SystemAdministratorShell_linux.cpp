#include "platform/AdministratorShell.h"

#include "platform/ChildProcess.h"

namespace platform {

void SystemAdministratorShell::run(const QString &command)
{
    // pkexec hands the command to the shell unescaped: no AppleScript quoting is involved here.
    ChildProcessResult result;
    try {
        result = runChildProcess({m_pkexec, pkexecArguments(m_shell, command), std::nullopt, true});
    } catch (const SystemError &error) {
        throw AdministratorShellError(error.message());
    }
    if (result.status == 0 && !result.signalled)
        return;
    const QString errorText = QString::fromUtf8(result.errorOutput).trimmed();
    throw AdministratorShellError(errorText.isEmpty() ? QStringLiteral("exit status %1").arg(result.status)
                                                      : errorText);
}

} // namespace platform
