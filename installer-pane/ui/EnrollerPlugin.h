#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/registration/AgentRegistration.h"
#include "installer-pane/ui/FormServices.h"
#include "platform/widgets/InstallerPane.h"

#include <memory>

namespace platform {
class AdministratorShell;
class AlertPresenter;
class LogSink;
} // namespace platform

namespace installer {

// What the Enroller's pane runs on. The installer passes none and gets the shipped defaults; a
// sandbox hands this struct to the plug-in's factory to build the same pane on other values.
// Every member left empty takes its shipped default.
struct EnrollerDependencies
{
    contract::AgentPaths paths;
    std::shared_ptr<platform::AdministratorShell> administratorShell; // SystemAdministratorShell(pkexec, shell)
    std::shared_ptr<platform::AlertPresenter> alerts;                 // MessageBoxAlertPresenter
    AgentRegistrationFactory newRegistration;                         // RegistrationHelper(paths, shell, log)
    HostNameProvider hostName;                                        // this machine's host name
    QStringList preferredLanguages;                                   // the system's
    std::shared_ptr<platform::LogSink> log;                           // SystemLogSink, the Enroller's subsystem
    // readSystemManagedSettings, its warnings to the log above
    std::shared_ptr<ManagedSettingsReader> managedSettings{};
};

// The pane on these dependencies, with the plug-in's own strings table, speaking the first preferred
// language that we ship (its texts are put into the host application).
std::unique_ptr<platform::InstallerPane> createEnrollerPane(const EnrollerDependencies &dependencies);

} // namespace installer
