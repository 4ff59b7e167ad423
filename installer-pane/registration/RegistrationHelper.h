#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/registration/AgentRegistration.h"
#include "installer-pane/registration/ProcessHelper.h"

#include <QCoreApplication>
#include <QStringList>

namespace platform {
class LogSink;
}

namespace installer {

// Where the menu-bar application's launch agent runs, as restartGuiAgent() reaches it.
struct GuiAgentSession
{
    // Put between launchctl and "stop LABEL" / "start LABEL": nothing in the caller's own session; a
    // superuser reaches a logged-in user's session through "asuser UID" and launchctl again.
    QStringList launchctlPrefix;
    // False when there is no agent to restart: no one is logged in (launchd starts it at the next login), or
    // the caller is that agent itself, which would end with its own stop and takes the configuration up itself.
    bool present = true;
};

// Enrols this machine through the agent daemon, installs the configuration the daemon staged and
// restarts the menu-bar application's launch agent. Every failure is thrown as RegistrationError
// whose reason is the message for the user; a normal return is success. The log gets what is news only
// for an administrator: a staging directory passed by, what the daemon wrote to standard error, and why the root
// command failed.
class RegistrationHelper : public AgentRegistration
{
    Q_DECLARE_TR_FUNCTIONS(installer::RegistrationHelper)

public:
    RegistrationHelper(contract::AgentPaths paths, platform::AdministratorShell &shell, platform::LogSink &log,
                       GuiAgentSession agentSession = {});

    void registerWithAddress(const QString &address, const QString &login, const QString &password,
                             const QString &name) override;
    void reRegisterWithAgentGuid(const QString &agentGuid, const QString &address, const QString &login,
                                 const QString &password, const QString &name) override;

    // Runs the daemon once with these arguments and maps its exit status; only 0 returns, and the error
    // carries any other status. Stages in the contract's directory, or in a fresh private one when that is
    // someone else's or unsafe.
    void runOsAgentWithArguments(const QStringList &arguments);
    // Installs the staged configuration as root and restarts the launch agent; does nothing when
    // nothing is staged.
    void startService() const;
    void restartGuiAgent() const;

    static QString selfDescription();

private:
    // As above; what the daemon writes is shown with the password taken out.
    void runOsAgent(const QStringList &arguments, const QString &password);
    void prepareStaging();
    // Throws for a path that the root command cannot take.
    QString installCommand() const;

    // The staging directory and file are the ones of this registration.
    contract::AgentPaths m_paths;
    ProcessHelper m_processes;
    platform::LogSink &m_log;
    GuiAgentSession m_agentSession;
};

} // namespace installer
