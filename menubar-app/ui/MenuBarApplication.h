#pragma once

#include "common/AgentPaths.h"

#include <QStringList>

namespace platform {
class LogSink;
}

namespace menubar {

// Builds the application on these paths and this log, with the real runner, alerts and URL
// opener, speaking the first of the preferred languages that we ship, and runs its event loop until
// the user exits. Needs a QApplication.
int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log,
                          const QStringList &preferredLanguages);

} // namespace menubar
