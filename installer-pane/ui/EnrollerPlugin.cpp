#include "installer-pane/ui/EnrollerPlugin.h"

#include "installer-pane/registration/RegistrationHelper.h"
#include "installer-pane/ui/RegistrationPane.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"
#include "platform/widgets/InstallerPlugin.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QLocale>

namespace installer {

std::unique_ptr<platform::InstallerPane> createEnrollerPane(const EnrollerDependencies &dependencies)
{
    const contract::AgentPaths paths = dependencies.paths;
    std::shared_ptr<platform::AdministratorShell> shell = dependencies.administratorShell;
    if (!shell)
        shell = std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell);

    FormServices services{dependencies.newRegistration, dependencies.alerts, dependencies.hostName,
                          dependencies.managedSettings};
    if (!services.newRegistration) {
        // The lambda keeps the shell alive for as long as a form may click.
        services.newRegistration = [paths, shell]() -> std::unique_ptr<AgentRegistration> {
            return std::make_unique<RegistrationHelper>(paths, *shell);
        };
    }
    if (!services.alerts)
        services.alerts = std::make_shared<platform::MessageBoxAlertPresenter>();
    if (!services.managedSettings) {
        services.managedSettings = std::make_shared<ManagedSettingsReader>(readSystemManagedSettings,
                                                                           std::make_shared<platform::SystemLogSink>());
    }
    const QString language = platform::installTranslations(
        dependencies.preferredLanguages.isEmpty() ? QLocale::system().uiLanguages() : dependencies.preferredLanguages);
    return std::make_unique<RegistrationPane>(services, paneStringsTable(language));
}

} // namespace installer

// The plug-in's one export. The installer passes null; a sandbox may pass an
// installer::EnrollerDependencies (see EnrollerPlugin.h).
extern "C" Q_DECL_EXPORT platform::InstallerPane *createInstallerPane(const void *dependencies)
{
    const auto *given = static_cast<const installer::EnrollerDependencies *>(dependencies);
    return installer::createEnrollerPane(given ? *given : installer::EnrollerDependencies{}).release();
}
