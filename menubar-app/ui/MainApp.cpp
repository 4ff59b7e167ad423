#include "menubar-app/ui/MainApp.h"

#include "menubar-app/service/BackupStateNotifier.h"
#include "menubar-app/ui/AppMenu.h"
#include "menubar-app/ui/MenuBarExtra.h"
#include "menubar-app/ui/ShowAboutView.h"

#include <QAction>
#include <QGuiApplication>
#include <QSettings>

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
        dependencies.activationPoint,
    });
    m_registrationOffer = std::make_unique<RegistrationOffer>(RegistrationOffer::Dependencies{
        m_servicesController.get(),
        dependencies.settings,
        std::move(dependencies.newRegistrationPane),
        m_bundleInfo.stringForKey(QLatin1String(BundleInfo::kNameKey))
            .value_or(QGuiApplication::applicationDisplayName()),
    });
    connect(m_menu.get(), &AppMenu::registrationRequested, m_registrationOffer.get(), &RegistrationOffer::openWindow);
    if (dependencies.notifier)
        watchForStoppedBackups(*dependencies.notifier, controller.log, dependencies.settings,
                               std::move(dependencies.isNotifyingAllowed));
    m_registrationOffer->openOnceAtStart();
}

void MainApp::watchForStoppedBackups(platform::UserNotifier &notifier, platform::LogSink &log, QSettings &settings,
                                     std::function<bool()> isNotifyingAllowed)
{
    m_backupStateNotifier = std::make_unique<BackupStateNotifier>(BackupStateNotifier::Dependencies{
        notifier,
        log,
        [&settings, allowed = std::move(isNotifyingAllowed)] {
            return allowed() && settings.value(QLatin1String(kNotifyWhenBackupsStopKey), true).toBool();
        },
    });
    BackupStateNotifier *watcher = m_backupStateNotifier.get();
    ServicesController *controller = m_servicesController.get();
    connect(controller, &ServicesController::statusChecked, watcher, &BackupStateNotifier::statusChecked);
    connect(controller, &ServicesController::serviceStartRequested, watcher, &BackupStateNotifier::startRequested);
    connect(controller, &ServicesController::serviceStopRequested, watcher, &BackupStateNotifier::stopRequested);
    connect(controller, &ServicesController::fullDiskAccessMissing, watcher,
            &BackupStateNotifier::fullDiskAccessMissing);
    // The menu's own start, with its administrator prompt; nothing while the entry is disabled.
    connect(watcher, &BackupStateNotifier::startBackupsRequested, m_menu->startServiceAction(), &QAction::trigger);
}

MainApp::~MainApp() = default;

} // namespace menubar
