#pragma once

#include <QString>

#include <optional>

namespace installer {

// What the installed configuration tells of this machine's enrolment. The file is the daemon's and its format
// is not ours: only a line that names a GUID key with a GUID-shaped value is believed.
class AgentConfiguration
{
public:
    // The agent GUID that the configuration at this path names, as "key=value", "key: value" or a JSON member;
    // none when the file is not a readable regular file of reasonable size, or names no GUID.
    static std::optional<QString> agentGuid(const QString &configFile);
};

} // namespace installer
