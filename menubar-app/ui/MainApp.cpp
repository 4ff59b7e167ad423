#include "menubar-app/ui/MainApp.h"

#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MenuBarExtra.h"
#include "menubar-app/ui/ShowAboutView.h"

#include <QGuiApplication>

namespace menubar {

MainApp::MainApp(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_bundleInfo(std::move(dependencies.bundleInfo))
    , m_servicesController(std::make_unique<ServicesController>(dependencies.controller))
{
    const ServicesController::Dependencies &controller = dependencies.controller;
    m_menu = std::make_unique<AppMenu>(AppMenu::Dependencies{
        m_servicesController.get(),
        controller.alerts,
        controller.urlOpener,
        controller.paths.logDirectory,
        [this] { ShowAboutView(m_bundleInfo); },
        std::move(dependencies.terminate),
    });
    m_menuBarExtra = std::make_unique<MenuBarExtra>(MenuBarExtra::Dependencies{
        m_servicesController.get(),
        m_menu.get(),
        controller.log,
        std::move(dependencies.isSystemTrayAvailable),
        MenuBarExtra::kTrayPollInterval,
        dependencies.colourScheme,
    });
    m_registrationOffer = std::make_unique<RegistrationOffer>(RegistrationOffer::Dependencies{
        m_servicesController.get(),
        dependencies.settings,
        std::move(dependencies.newRegistrationPane),
        m_bundleInfo.stringForKey(QLatin1String(BundleInfo::kNameKey))
            .value_or(QGuiApplication::applicationDisplayName()),
    });
    connect(m_menu.get(), &AppMenu::registrationRequested, m_registrationOffer.get(), &RegistrationOffer::openWindow);
    m_registrationOffer->openOnceAtStart();
}

MainApp::~MainApp() = default;

} // namespace menubar
