#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/enroll/EnrollOutcome.h"
#include "installer-pane/registration/ManagedSettings.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace installer {

struct AgentStatus
{
    bool configured = false; // the installed configuration is there
    bool installed = false;  // the agent daemon is there to run: an uninstall that kept the configuration removed it
    std::optional<QString> agentGuid; // as the configuration names it, where it does and can be read
    // By its job line, which names the job's own process; in the process table only where the job list does not
    // show the job (run as a user), since anyone can run a process of that name.
    bool daemonRunning = false;
    std::optional<QString> jobLine; // the daemon's line of the job list, as the caller's launchctl shows it
    ManagedSettings managed;        // what an administrator set
};

// The status command: looks, changes nothing.
class EnrollStatus
{
    Q_DECLARE_TR_FUNCTIONS(installer::EnrollStatus)

public:
    // Throws RegistrationError when ps or launchctl cannot be run or fails.
    static AgentStatus probe(const contract::AgentPaths &paths);
    static EnrollOutcome outcome(const AgentStatus &status);

private:
    // Whether it is enrolled and installed, and under which GUID.
    static QStringList installationLines(const AgentStatus &status);
    // Whether the daemon runs, how it last ended, and what status 6 asks for.
    static QStringList daemonLines(const AgentStatus &status);
    // What an administrator set or meant to, in words and into the JSON object.
    static QStringList managedLines(const ManagedSettings &settings, QJsonObject &json);
};

} // namespace installer
