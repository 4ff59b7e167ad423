#pragma once

#include "common/AgentPaths.h"

#include <QStringList>

#include <chrono>

namespace platform {
class LogSink;
}

namespace menubar {

// The time between two status checks, as shipped.
inline constexpr std::chrono::milliseconds kShippedCheckInterval =
    std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::duration<double>(contract::kCheckIntervalSec));

// Builds the application on these paths and this log, with the real runner, alerts and URL
// opener, speaking the first of the preferred languages that we ship, and runs its event loop until
// the user exits. Needs a QApplication.
int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log,
                          const QStringList &preferredLanguages,
                          std::chrono::milliseconds checkInterval = kShippedCheckInterval);

} // namespace menubar
