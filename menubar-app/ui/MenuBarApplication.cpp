#include "menubar-app/ui/MenuBarApplication.h"

#include "common/BundleIdentifiers.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/IconImages.h"
#include "menubar-app/ui/MainApp.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopColourScheme.h"
#include "platform/widgets/DesktopNotifier.h"
#include "platform/widgets/DesktopUrlOpener.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"
#include "platform/widgets/SystemTray.h"
#include "platform/widgets/TrayActivationPoint.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace menubar {

InstallerPaneFactory registrationPaneFactory(installer::EnrollerDependencies dependencies)
{
    const contract::AgentPaths paths = dependencies.paths;
    if (!dependencies.administratorShell)
        dependencies.administratorShell =
            std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell);
    if (!dependencies.log)
        dependencies.log = std::make_shared<platform::SystemLogSink>(
            contract::toQString(contract::kMenuBarBundleIdentifier), QStringLiteral("registration"));
    // The lambda keeps the shell and the log alive for as long as a page may click. No agent to restart:
    // the agent is this program.
    dependencies.newRegistration = [paths, shell = dependencies.administratorShell, log = dependencies.log] {
        return std::make_unique<installer::RegistrationHelper>(paths, *shell, *log,
                                                               installer::GuiAgentSession{{}, false});
    };
    return [dependencies] { return installer::createEnrollerPane(dependencies); };
}

int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log, QSettings &settings,
                          const QStringList &preferredLanguages,
                          installer::ManagedSettingsReader::Source managedSettings,
                          std::chrono::milliseconds checkInterval)
{
    platform::installTranslations(preferredLanguages);
    // The menu-bar item is the program; closing the About window or an alert must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Our windows' icon, once the item is up: an X window is handed it drawn at every size it may be shown at,
    // the item's own window too, and that would hold up the item by milliseconds. A window opened before
    // then takes it up when it comes.
    QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(iconFromImages(QStringLiteral("AppIcon"))); });
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
    platform::DesktopColourScheme colourScheme;
    platform::TrayActivationPoint activationPoint;
    platform::DesktopNotifier notifier(log);

    installer::EnrollerDependencies page;
    page.paths = paths;
    page.preferredLanguages = preferredLanguages;
    // The application's own log, which outlives the page.
    page.log = std::shared_ptr<platform::LogSink>(&log, [](platform::LogSink *) {});
    page.managedSettings = std::make_shared<installer::ManagedSettingsReader>(std::move(managedSettings), page.log);
    MainApp mainApp({
        {runner, log, alerts, urlOpener, paths, checkInterval},
        bundle,
        [] { QCoreApplication::quit(); },
        [] { return platform::isTrayHostAvailable(); },
        settings,
        registrationPaneFactory(page),
        &colourScheme,
        &activationPoint,
        &notifier,
        [managed = page.managedSettings] { return managed->read().notifyWhenBackupsStop.value_or(true); },
    });
    // Its answers come through the event loop whenever it is asked; asked once the item is made, its
    // subscriptions keep no one waiting for the item.
    platform::followDesktopColourScheme(colourScheme, qgetenv("XDG_CURRENT_DESKTOP"));
    // Its connection to the bus is made while the caller waits: not before the item is up.
    QTimer::singleShot(0, &activationPoint, [&activationPoint] { platform::followTrayActivations(activationPoint); });
    return QApplication::exec();
}

} // namespace menubar
