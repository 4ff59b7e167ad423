#pragma once

#include "common/AgentContract.h"

#include <QString>

namespace contract {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Where the daemon's files and the system tools are. Shipped programs use the defaults;
// tests and the sandbox hand in other locations.
struct AgentPaths
{
    QString daemonExecutable = toQString(kDaemonExecutable);
    QString stagingDirectory = toQString(kStagingDirectory);
    QString stagedConfigFile = toQString(kStagedConfigFile);
    QString installedConfigDirectory = toQString(kInstalledConfigDirectory);
    QString installedConfigFile = toQString(kInstalledConfigFile);
    QString logDirectory = toQString(kLogDirectory);
    QString applicationBundle = toQString(kApplicationBundle);
    QString daemonJobFile = toQString(kDaemonJobFile);
    QString agentJobFile = toQString(kAgentJobFile);
    QString launchctl = toQString(kLaunchctlTool);
    QString ps = toQString(kPsTool);
    QString osascript = toQString(kOsascriptTool);
    QString pkexec = toQString(kPkexecTool);
    QString shell = toQString(kShellTool);
    QString pkgutil = toQString(kPkgutilTool);
};

} // namespace contract
