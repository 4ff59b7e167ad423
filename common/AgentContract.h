#pragma once

// The agent daemon, its launchd jobs and its files, as both deliverables rely on them.
// Every value here is compiled in; code that needs a path or tool receives it through AgentPaths.

#include <array>
#include <cstdint>
#include <string_view>

namespace contract {

namespace detail {

// The pieces one after another, kept in a NUL-terminated array of static storage that every view of
// it may point into.
template <const std::string_view &...Pieces> struct Joined
{
    static constexpr auto text = [] {
        std::array<char, (Pieces.size() + ... + 0) + 1> joined{};
        std::size_t at = 0;
        for (std::string_view piece : {Pieces...}) {
            for (char c : piece)
                joined[at++] = c;
        }
        return joined;
    }();
    static constexpr std::string_view view{text.data(), text.size() - 1};
};

template <const std::string_view &...Pieces> inline constexpr std::string_view join = Joined<Pieces...>::view;

inline constexpr std::string_view kSlash = "/";

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
inline constexpr std::string_view kGuiAgentLabel = detail::join<kServiceLabel, kGuiAgentSuffix>;

static_assert(detail::isShellSafeLabel(kServiceLabel), "the service label must not need shell quoting");
static_assert(detail::isShellSafeLabel(kGuiAgentLabel), "the agent label must not need shell quoting");

inline constexpr std::string_view kProcessName = "qmx-osagent";
inline constexpr std::string_view kApplicationBundle = "/Applications/Kelvane OS Agent.app";
inline constexpr std::string_view kBundleResources = "/Contents/Resources/";
inline constexpr std::string_view kDaemonExecutable =
    detail::join<kApplicationBundle, kBundleResources, kProcessName, detail::kSlash, kProcessName>;

inline constexpr std::string_view kRegisterFlag = "-r";
inline constexpr std::string_view kReRegisterFlag = "-e";
inline constexpr std::string_view kNodeNameFlag = "-n";

inline constexpr std::string_view kDataPathVariable = "OS_AGENT_DATA_PATH";
inline constexpr std::string_view kLogPathVariable = "OS_AGENT_LOG_PATH";

inline constexpr std::string_view kConfigFileName = ".qmx-osagent.cfg";
inline constexpr std::string_view kStagingDirectory = "/tmp/osagent";
inline constexpr std::string_view kStagedConfigFile = detail::join<kStagingDirectory, detail::kSlash, kConfigFileName>;
inline constexpr std::string_view kInstalledConfigDirectory = "/Library/Application Support/osagent";
inline constexpr std::string_view kInstalledConfigFile =
    detail::join<kInstalledConfigDirectory, detail::kSlash, kConfigFileName>;
inline constexpr std::string_view kLogDirectory = "/Library/Logs/osagent";

// What the package installs besides the application (packaging/macos/build-package): each job's property list,
// named after its label, and the package's receipt.
inline constexpr std::string_view kDaemonJobDirectory = "/Library/LaunchDaemons/";
inline constexpr std::string_view kAgentJobDirectory = "/Library/LaunchAgents/";
inline constexpr std::string_view kJobFileSuffix = ".plist";
inline constexpr std::string_view kDaemonJobFile = detail::join<kDaemonJobDirectory, kServiceLabel, kJobFileSuffix>;
inline constexpr std::string_view kAgentJobFile = detail::join<kAgentJobDirectory, kGuiAgentLabel, kJobFileSuffix>;
inline constexpr std::string_view kPackageIdentifier = "com.kelvane.osagent.pkg";

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
inline constexpr std::string_view kPkgutilTool = "/usr/sbin/pkgutil";
// Owned by the user logged in at the console, by root while no one is.
inline constexpr std::string_view kConsoleDevice = "/dev/console";

// What an administrator sets for every machine: on macOS the values a configuration profile forces in this
// preference domain, elsewhere this system-wide settings file. Only these keys are read, and a password is
// never taken from there: every local user can read both.
inline constexpr std::string_view kManagedSettingsDomain = "com.kelvane.osagent";
inline constexpr std::string_view kManagedSettingsFile = "/etc/xdg/Kelvane/osagent.conf";
inline constexpr std::string_view kManagedServerAddressKey = "ServerAddress";
inline constexpr std::string_view kManagedLoginKey = "Login";
inline constexpr std::string_view kManagedNodeNameKey = "NodeName";
inline constexpr std::string_view kManagedPasswordKey = "Password"; // looked for only to warn that it is ignored
// The menu-bar application's: false turns its backups-stopped notifications off for every user.
inline constexpr std::string_view kManagedNotifyWhenBackupsStopKey = "NotifyWhenBackupsStop";

inline constexpr double kCheckIntervalSec = 5.0;

inline constexpr std::string_view kFullDiskAccessSettingsUrl =
    "x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles";

} // namespace contract
