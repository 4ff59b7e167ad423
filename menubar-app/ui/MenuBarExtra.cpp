#include "MenuBarExtra.h"

#include "LogSink.h"
#include "ServicesController.h"

#include <QMenu>

namespace menubar {

MenuBarExtra::MenuBarExtra(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_servicesController(dependencies.servicesController)
    , m_menu(dependencies.menu)
    , m_log(dependencies.log)
    , m_isSystemTrayAvailable(std::move(dependencies.isSystemTrayAvailable))
{
    m_trayIcon.setToolTip(tr("Kelvane OS Agent"));
    m_trayIcon.setContextMenu(m_menu);
    if (m_servicesController)
        connect(m_servicesController, &ServicesController::iconNameChanged, this, &MenuBarExtra::updateIcon);
    updateIcon();

    m_trayPoll.setInterval(dependencies.trayPollInterval);
    connect(&m_trayPoll, &QTimer::timeout, this, &MenuBarExtra::showWhenTrayAvailable);
    if (m_isSystemTrayAvailable()) {
        m_trayIcon.show();
        return;
    }
    // The daemon is still looked after without the item, so this is news for the log, not a reason to stop.
    m_log.write(platform::LogLevel::Info,
                selfDescription() + QStringLiteral(" no system tray available: the menu-bar item cannot be shown "
                                                   "until one appears"));
    m_trayPoll.start();
}

QIcon MenuBarExtra::iconNamed(const QString &name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QString MenuBarExtra::selfDescription()
{
    return QStringLiteral("Kelvane_OS_Agent.MenuBarExtra");
}

void MenuBarExtra::updateIcon()
{
    if (m_servicesController)
        m_trayIcon.setIcon(iconNamed(m_servicesController->iconName()));
}

void MenuBarExtra::showWhenTrayAvailable()
{
    if (!m_isSystemTrayAvailable())
        return;
    m_trayPoll.stop();
    m_trayIcon.show();
}

} // namespace menubar
