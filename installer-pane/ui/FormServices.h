#pragma once

#include "installer-pane/registration/AgentRegistration.h"
#include "installer-pane/registration/ManagedSettingsReader.h"

#include <QString>

#include <functional>
#include <memory>

namespace platform {
class AlertPresenter;
}

namespace installer {

using HostNameProvider = std::function<QString()>;

// What the forms use besides their controls. The pane hands the same services to both forms.
// Shared ownership: the forms live in the host's page and may outlive the pane that made them.
struct FormServices
{
    AgentRegistrationFactory newRegistration; // a new registration for every click
    std::shared_ptr<platform::AlertPresenter> alerts;
    HostNameProvider hostName; // empty: this machine's host name
    // The values an administrator set, read at every entry of the page; none: nothing is managed.
    std::shared_ptr<ManagedSettingsReader> managedSettings{};
};

} // namespace installer
