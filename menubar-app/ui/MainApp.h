#pragma once

#include "menubar-app/service/ServicesController.h"
#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/RegistrationOffer.h"

#include <QObject>

#include <functional>
#include <memory>

namespace platform {
class DesktopColourScheme;
class TrayActivationPoint;
class LogSink;
class UserNotifier;
} // namespace platform

namespace menubar {

class AppMenu;
class BackupStateNotifier;
class MenuBarExtra;

// The application's one scene: it owns the service controller for the life of the process and
// builds the menu-bar item and its menu on it, and the registration window's offer while the
// machine is not enrolled.
class MainApp : public QObject
{
    Q_OBJECT

public:
    struct Dependencies
    {
        // Its alert presenter, URL opener, log sink and paths serve the menu as well.
        ServicesController::Dependencies controller;
        BundleInfo bundleInfo;
        std::function<void()> terminate;
        std::function<bool()> isSystemTrayAvailable;
        // The user's: remembers that the registration window has opened by itself.
        QSettings &settings;
        InstallerPaneFactory newRegistrationPane;
        platform::DesktopColourScheme *colourScheme = nullptr;    // none: the palette alone decides
        platform::TrayActivationPoint *activationPoint = nullptr; // none: the menu opens at the pointer
        // Tells the user when backups stop and resume; none: only the icon and the log do.
        platform::UserNotifier *notifier = nullptr;
        // Whether the administrator lets the user's setting decide; no: the notifications are off for all.
        std::function<bool()> isNotifyingAllowed = [] { return true; };
    };

    // The user's setting that turns the notifications off (on unless set to false).
    static constexpr char kNotifyWhenBackupsStopKey[] = "NotifyWhenBackupsStop";

    explicit MainApp(Dependencies dependencies, QObject *parent = nullptr);
    ~MainApp() override;

    ServicesController &servicesController() const { return *m_servicesController; }
    AppMenu &menu() const { return *m_menu; }
    MenuBarExtra &menuBarExtra() const { return *m_menuBarExtra; }
    RegistrationOffer &registrationOffer() const { return *m_registrationOffer; }

private:
    void watchForStoppedBackups(platform::UserNotifier &notifier, platform::LogSink &log, QSettings &settings,
                                std::function<bool()> isNotifyingAllowed);

    BundleInfo m_bundleInfo;
    // Declared first so that it outlives the menu and the item, which only observe it.
    std::unique_ptr<ServicesController> m_servicesController;
    std::unique_ptr<AppMenu> m_menu;
    std::unique_ptr<MenuBarExtra> m_menuBarExtra;
    std::unique_ptr<RegistrationOffer> m_registrationOffer;
    std::unique_ptr<BackupStateNotifier> m_backupStateNotifier;
};

} // namespace menubar
