#include "platform/AdministratorShell.h"

namespace platform {

void SystemAdministratorShell::run(const QString &command)
{
    // pkexec hands the command to the shell unescaped: no AppleScript quoting is involved here.
    runAdministratorCommand(pkexecRequest(m_pkexec, m_shell, command));
}

} // namespace platform
