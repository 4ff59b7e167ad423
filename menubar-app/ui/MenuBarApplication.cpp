#include "menubar-app/ui/MenuBarApplication.h"

#include "installer-pane/registration/RegistrationHelper.h"
#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/MainApp.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopUrlOpener.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"
#include "platform/widgets/SystemTray.h"

#include <QApplication>
#include <QIcon>

#include <chrono>

namespace menubar {

InstallerPaneFactory registrationPaneFactory(installer::EnrollerDependencies dependencies)
{
    const contract::AgentPaths paths = dependencies.paths;
    if (!dependencies.administratorShell)
        dependencies.administratorShell =
            std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell);
    // The lambda keeps the shell alive for as long as a page may click.
    dependencies.newRegistration = [paths, shell = dependencies.administratorShell] {
        return std::make_unique<installer::RegistrationHelper>(paths, *shell, installer::GuiAgentSession{{}, false});
    };
    return [dependencies] { return installer::createEnrollerPane(dependencies); };
}

int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log, QSettings &settings,
                          const QStringList &preferredLanguages)
{
    platform::installTranslations(preferredLanguages);
    // The menu-bar item is the program; closing the About window or an alert must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon.svg")));
    // Trays read the item's title from the application's name, and title bars show the display name:
    // both are the bundle's name, not the executable's.
    const BundleInfo bundle = BundleInfo::mainBundle();
    if (const std::optional<QString> name = bundle.stringForKey(QLatin1String(BundleInfo::kNameKey))) {
        QCoreApplication::setApplicationName(*name);
        QGuiApplication::setApplicationDisplayName(*name);
    }

    ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
    platform::MessageBoxAlertPresenter alerts;
    platform::DesktopUrlOpener urlOpener;
    const auto checkInterval = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::duration<double>(contract::kCheckIntervalSec));

    installer::EnrollerDependencies page;
    page.paths = paths;
    page.preferredLanguages = preferredLanguages;
    MainApp mainApp({
        {runner, log, alerts, urlOpener, paths, checkInterval},
        bundle,
        [] { QCoreApplication::quit(); },
        [] { return platform::isTrayHostAvailable(); },
        settings,
        registrationPaneFactory(page),
    });
    return QApplication::exec();
}

} // namespace menubar
