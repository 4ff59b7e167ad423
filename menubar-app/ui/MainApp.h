#pragma once

#include "menubar-app/service/ServicesController.h"
#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/RegistrationOffer.h"

#include <QObject>

#include <functional>
#include <memory>

namespace platform {
class DesktopColourScheme;
}

namespace menubar {

class AppMenu;
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
        platform::DesktopColourScheme *colourScheme = nullptr; // none: the palette alone decides
    };

    explicit MainApp(Dependencies dependencies, QObject *parent = nullptr);
    ~MainApp() override;

    ServicesController &servicesController() const { return *m_servicesController; }
    AppMenu &menu() const { return *m_menu; }
    MenuBarExtra &menuBarExtra() const { return *m_menuBarExtra; }
    RegistrationOffer &registrationOffer() const { return *m_registrationOffer; }

private:
    BundleInfo m_bundleInfo;
    // Declared first so that it outlives the menu and the item, which only observe it.
    std::unique_ptr<ServicesController> m_servicesController;
    std::unique_ptr<AppMenu> m_menu;
    std::unique_ptr<MenuBarExtra> m_menuBarExtra;
    std::unique_ptr<RegistrationOffer> m_registrationOffer;
};

} // namespace menubar
