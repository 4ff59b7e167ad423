#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/registration/AgentRegistration.h"
#include "installer-pane/registration/ProcessHelper.h"

#include <QCoreApplication>
#include <QStringList>

namespace installer {

// Where the menu-bar application's launch agent runs, as restartGuiAgent() reaches it.
struct GuiAgentSession
{
    // Put between launchctl and "stop LABEL" / "start LABEL": nothing in the caller's own session; a
    // superuser reaches a logged-in user's session through "asuser UID" and launchctl again.
    QStringList launchctlPrefix;
    // False when no one is logged in: no agent runs then, and launchd starts it at the next login.
    bool present = true;
};

// Enrols this machine through the agent daemon, installs the configuration the daemon staged and
// restarts the menu-bar application's launch agent. Every failure is thrown as RegistrationError
// whose reason is the message for the user; a normal return is success.
class RegistrationHelper : public AgentRegistration
{
    Q_DECLARE_TR_FUNCTIONS(installer::RegistrationHelper)

public:
    RegistrationHelper(contract::AgentPaths paths, platform::AdministratorShell &shell,
                       GuiAgentSession agentSession = {});

    void registerWithAddress(const QString &address, const QString &login, const QString &password,
                             const QString &name) override;
    void reRegisterWithAgentGuid(const QString &agentGuid, const QString &address, const QString &login,
                                 const QString &password, const QString &name) override;

    // Runs the daemon once with these arguments and maps its exit status; only 0 returns, and the error
    // carries any other status.
    void runOsAgentWithArguments(const QStringList &arguments) const;
    // Installs the staged configuration as root and restarts the launch agent; does nothing when
    // nothing is staged.
    void startService() const;
    void restartGuiAgent() const;

private:
    QString installCommand() const;

    contract::AgentPaths m_paths;
    ProcessHelper m_processes;
    GuiAgentSession m_agentSession;
};

} // namespace installer
