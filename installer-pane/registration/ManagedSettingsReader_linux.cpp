#include "installer-pane/registration/ManagedSettingsReader.h"

#include "common/AgentPaths.h"

namespace installer {

// The file that QSettings' system scope gives organisation "Kelvane" and application "osagent" on a default
// system, named outright so that no environment variable can move it.
ManagedSettingsSource readSystemManagedSettings()
{
    return readManagedSettingsFile(contract::toQString(contract::kManagedSettingsFile));
}

} // namespace installer
