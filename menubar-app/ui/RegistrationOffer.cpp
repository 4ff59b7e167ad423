#include "menubar-app/ui/RegistrationOffer.h"

#include "menubar-app/service/ServicesController.h"
#include "platform/FreedMemory.h"
#include "platform/widgets/InstallerPaneWindow.h"

#include <QSettings>

namespace menubar {

RegistrationOffer::RegistrationOffer(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_servicesController(dependencies.servicesController)
    , m_settings(dependencies.settings)
    , m_newRegistrationPane(std::move(dependencies.newRegistrationPane))
    , m_windowTitle(std::move(dependencies.windowTitle))
{}

RegistrationOffer::~RegistrationOffer()
{
    delete m_window;
}

platform::InstallerPaneWindow *RegistrationOffer::window() const
{
    return m_window.data();
}

void RegistrationOffer::openWindow()
{
    if (!m_window) {
        std::unique_ptr<platform::InstallerPane> pane = m_newRegistrationPane ? m_newRegistrationPane() : nullptr;
        if (!pane)
            return;
        auto *window = new platform::InstallerPaneWindow(std::move(pane), m_windowTitle);
        m_window = window;
        // Closed, it is deleted with its page and what was typed into it, the password too, and the memory
        // they took goes back to the system: the application rests in the menu bar for days.
        connect(window, &QDialog::finished, window, &QObject::deleteLater);
        // Forgotten at once: an opening before the deletion has run makes a new window.
        connect(window, &QDialog::finished, this, [this, window] {
            if (m_window == window)
                m_window.clear();
        });
        connect(
            window, &QObject::destroyed, this, [] { platform::releaseFreedMemory(); }, Qt::QueuedConnection);
        // Queued, so that the page's click has ended and the window shows its success before the
        // start asks for an administrator.
        connect(m_window->pane(), &platform::InstallerPane::nextEnabledChanged, this,
                &RegistrationOffer::takeUpRegistration, Qt::QueuedConnection);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void RegistrationOffer::openOnceAtStart()
{
    if (!m_servicesController || m_servicesController->isEnrolled() ||
        m_settings.value(QLatin1String(kOpenedAtStartKey)).toBool())
        return;
    m_settings.setValue(QLatin1String(kOpenedAtStartKey), true);
    // Written now: stopping the launch agent ends this program by a signal, without QSettings' own write.
    m_settings.sync();
    openWindow();
}

void RegistrationOffer::takeUpRegistration(bool succeeded)
{
    // In the installer the page's last step restarts this program's launch agent, which then finds the
    // configuration; here that agent is this program, so its controller takes the configuration up itself.
    if (succeeded && m_servicesController)
        m_servicesController->takeUpConfiguration();
}

} // namespace menubar
