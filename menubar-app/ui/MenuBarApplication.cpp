#include "menubar-app/ui/MenuBarApplication.h"

#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/MainApp.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopColourScheme.h"
#include "platform/widgets/DesktopUrlOpener.h"
#include "platform/widgets/MessageBoxAlertPresenter.h"
#include "platform/widgets/SystemTray.h"

#include <QApplication>
#include <QIcon>

namespace menubar {

int runMenuBarApplication(const contract::AgentPaths &paths, platform::LogSink &log,
                          const QStringList &preferredLanguages, std::chrono::milliseconds checkInterval)
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
    platform::DesktopColourScheme colourScheme;
    platform::followDesktopColourScheme(colourScheme);

    MainApp mainApp({
        {runner, log, alerts, urlOpener, paths, checkInterval},
        bundle,
        [] { QCoreApplication::quit(); },
        [] { return platform::isTrayHostAvailable(); },
        &colourScheme,
    });
    return QApplication::exec();
}

} // namespace menubar
