#include "installer-pane/ui/EnrollerPlugin.h"

#include "common/BundleIdentifiers.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "installer-pane/ui/RegistrationPane.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"

#include <QLocale>

namespace installer {

std::unique_ptr<platform::InstallerPane> createEnrollerPane(const EnrollerDependencies &dependencies)
{
    const contract::AgentPaths paths = dependencies.paths;
    std::shared_ptr<platform::AdministratorShell> shell = dependencies.administratorShell;
    if (!shell)
        shell = std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell);

    std::shared_ptr<platform::LogSink> log = dependencies.log;
    if (!log)
        log = std::make_shared<platform::SystemLogSink>(contract::toQString(contract::kEnrollerBundleIdentifier),
                                                        QStringLiteral("registration"));
    FormServices services{dependencies.newRegistration, dependencies.alerts, dependencies.hostName,
                          dependencies.managedSettings};
    if (!services.newRegistration) {
        // The lambda keeps the shell and the log alive for as long as a form may click.
        services.newRegistration = [paths, shell, log]() -> std::unique_ptr<AgentRegistration> {
            return std::make_unique<RegistrationHelper>(paths, *shell, *log);
        };
    }
    if (!services.alerts)
        services.alerts = std::make_shared<platform::MessageBoxAlertPresenter>();
    if (!services.managedSettings)
        services.managedSettings = std::make_shared<ManagedSettingsReader>(readSystemManagedSettings, log);
    const QString language = platform::installTranslations(
        dependencies.preferredLanguages.isEmpty() ? QLocale::system().uiLanguages() : dependencies.preferredLanguages);
    return std::make_unique<RegistrationPane>(services, paneStringsTable(language));
}

} // namespace installer
