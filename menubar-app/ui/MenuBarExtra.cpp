#include "menubar-app/ui/MenuBarExtra.h"

#include "menubar-app/service/ServicesController.h"
#include "platform/LogSink.h"
#include "platform/widgets/SystemTray.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace menubar {

MenuBarExtra::MenuBarExtra(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_servicesController(dependencies.servicesController)
    , m_menu(dependencies.menu)
    , m_log(dependencies.log)
    , m_isSystemTrayAvailable(std::move(dependencies.isSystemTrayAvailable))
{
    m_trayPoll.setInterval(dependencies.trayPollInterval);
    connect(&m_trayPoll, &QTimer::timeout, this, &MenuBarExtra::showWhenTrayAvailable);
    if (m_isSystemTrayAvailable()) {
        makeTrayIcon();
        return;
    }
    // The daemon is still looked after without the item, so this is news for the log, not a reason to stop.
    m_log.write(platform::LogLevel::Info,
                selfDescription() + QStringLiteral(" no system tray available: the menu-bar item cannot be shown "
                                                   "until one appears"));
    m_trayPoll.start();
}

MenuBarExtra::~MenuBarExtra() = default;

QIcon MenuBarExtra::iconNamed(const QString &name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QString MenuBarExtra::selfDescription()
{
    return QStringLiteral("Kelvane_OS_Agent.MenuBarExtra");
}

QPoint MenuBarExtra::menuPosition(const QRect &item, const QSize &menu, const QRect &screen)
{
    if (item.center().y() < screen.center().y())
        return item.bottomLeft() + QPoint(0, 1);
    return {item.left(), item.top() - menu.height()};
}

void MenuBarExtra::showWhenTrayAvailable()
{
    if (!m_isSystemTrayAvailable())
        return;
    m_trayPoll.stop();
    makeTrayIcon();
}

void MenuBarExtra::makeTrayIcon()
{
    m_trayIcon = std::make_unique<QSystemTrayIcon>();
    m_trayIcon->setToolTip(tr("Kelvane OS Agent"));
    m_trayIcon->setContextMenu(m_menu);
    if (m_servicesController)
        connect(m_servicesController, &ServicesController::iconNameChanged, this, &MenuBarExtra::updateIcon);
    updateIcon();
    if (!platform::trayOpensMenuOnClick()) {
        connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // A click soon after the last one, at the same place, reaches us as a double click.
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                openMenuAtItem();
        });
    }
    m_trayIcon->show();
}

void MenuBarExtra::updateIcon()
{
    if (m_servicesController && m_trayIcon)
        m_trayIcon->setIcon(iconNamed(m_servicesController->iconName()));
}

void MenuBarExtra::openMenuAtItem()
{
    if (!m_menu || m_menu->isVisible())
        return;
    const QRect item = m_trayIcon->geometry();
    const QScreen *screen = item.isValid() ? QGuiApplication::screenAt(item.center()) : nullptr;
    // A StatusNotifierItem host does not tell where the item is; the click was there, though.
    if (!screen) {
        m_menu->popup(QCursor::pos());
        return;
    }
    m_menu->popup(menuPosition(item, m_menu->sizeHint(), screen->geometry()));
}

} // namespace menubar
