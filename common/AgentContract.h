#pragma once

// The agent daemon, its launchd jobs and its files, as both deliverables rely on them.
// Every value here is compiled in; code that needs a path or tool receives it through AgentPaths.

#include <array>
#include <cstdint>
#include <string_view>

namespace contract {

namespace detail {

template <const std::string_view &First, const std::string_view &Second> constexpr auto joined()
{
    std::array<char, First.size() + Second.size() + 1> text{};
    for (std::size_t i = 0; i < First.size(); ++i)
        text[i] = First[i];
    for (std::size_t i = 0; i < Second.size(); ++i)
        text[First.size() + i] = Second[i];
    return text;
}

// Labels go verbatim into administrator shell command lines, and to launchctl and grep as arguments: they
// hold only characters that no shell reads specially (ASCII letters, digits, '.', '-', '_') and do not begin
// like an option.
constexpr bool isShellSafeLabel(std::string_view label)
{
    if (label.empty() || label.front() == '-')
        return false;
    for (char c : label) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                           c == '-' || c == '_';
        if (!plain)
            return false;
    }
    return true;
}

} // namespace detail

inline constexpr std::string_view kServiceLabel = "com.kelvane.osagent";
inline constexpr std::string_view kGuiAgentSuffix = "-agent";
inline constexpr auto kGuiAgentLabelText = detail::joined<kServiceLabel, kGuiAgentSuffix>();
inline constexpr std::string_view kGuiAgentLabel{kGuiAgentLabelText.data(), kGuiAgentLabelText.size() - 1};

static_assert(detail::isShellSafeLabel(kServiceLabel), "the service label must not need shell quoting");
static_assert(detail::isShellSafeLabel(kGuiAgentLabel), "the agent label must not need shell quoting");

inline constexpr std::string_view kProcessName = "qmx-osagent";
inline constexpr std::string_view kDaemonExecutable =
    "/Applications/Kelvane OS Agent.app/Contents/Resources/qmx-osagent/qmx-osagent";

inline constexpr std::string_view kRegisterFlag = "-r";
inline constexpr std::string_view kReRegisterFlag = "-e";
inline constexpr std::string_view kNodeNameFlag = "-n";

inline constexpr std::string_view kDataPathVariable = "OS_AGENT_DATA_PATH";
inline constexpr std::string_view kLogPathVariable = "OS_AGENT_LOG_PATH";

inline constexpr std::string_view kStagingDirectory = "/tmp/osagent";
inline constexpr std::string_view kConfigFileName = ".qmx-osagent.cfg";
inline constexpr std::string_view kStagedConfigFile = "/tmp/osagent/.qmx-osagent.cfg";
inline constexpr std::string_view kInstalledConfigDirectory = "/Library/Application Support/osagent";
inline constexpr std::string_view kInstalledConfigFile = "/Library/Application Support/osagent/.qmx-osagent.cfg";
inline constexpr std::string_view kLogDirectory = "/Library/Logs/osagent";

inline constexpr int kExitEnrolled = 0;
inline constexpr int kExitServerUnreachable = 3;
inline constexpr int kExitCredentialsRefused = 4;
inline constexpr int kExitAddressRefused = 5;
inline constexpr std::int64_t kExitMissingFullDiskAccess = 6;

inline constexpr std::string_view kLaunchctlTool = "/bin/launchctl";
inline constexpr std::string_view kPsTool = "/bin/ps";
inline constexpr std::string_view kOsascriptTool = "/usr/bin/osascript";
inline constexpr std::string_view kPkexecTool = "/usr/bin/pkexec";
inline constexpr std::string_view kShellTool = "/bin/sh";

inline constexpr double kCheckIntervalSec = 5.0;

inline constexpr std::string_view kFullDiskAccessSettingsUrl =
    "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";

} // namespace contract
