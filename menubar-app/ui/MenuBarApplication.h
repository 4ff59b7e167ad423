#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/registration/ManagedSettingsReader.h"
#include "installer-pane/ui/EnrollerPlugin.h"
#include "menubar-app/ui/RegistrationOffer.h"

#include <QStringList>

#include <chrono>
#include <functional>

class QSettings;

namespace platform {
class LogSink;
}

namespace menubar {

// The time between two status checks, as shipped.
inline constexpr std::chrono::milliseconds kShippedCheckInterval =
    std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::duration<double>(contract::kCheckIntervalSec));

// Where the shipped application keeps the user's settings (QSettings' user scope).
inline constexpr char kSettingsOrganization[] = "Kelvane";
inline constexpr char kSettingsApplication[] = "Kelvane OS Agent";

// The Enroller's page as the plug-in makes it on these dependencies, with one difference: after a
// registration it does not restart the menu-bar application's launch agent. That agent is this program,
// whose stop would end it before the start; its controller takes the configuration up instead.
InstallerPaneFactory registrationPaneFactory(installer::EnrollerDependencies dependencies);

// Builds the application on these paths, this log and these settings, with the real runner, alerts and
// URL opener, speaking the first of the preferred languages that we ship, and runs its event loop until
// the user exits. Needs a QApplication.
// The registration window's page takes the values an administrator set from managedSettings.
int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log, QSettings &settings,
                          const QStringList &preferredLanguages,
                          installer::ManagedSettingsReader::Source managedSettings,
                          std::chrono::milliseconds checkInterval = kShippedCheckInterval);

} // namespace menubar
