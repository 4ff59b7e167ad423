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

QIcon MenuBarExtra::iconNamed(const QString &name, bool darkPanel)
{
    QIcon icon(QStringLiteral(":/icons/%1%2.svg").arg(name, darkPanel ? QStringLiteral("-dark") : QString()));
    icon.setIsMask(true);
    return icon;
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
    m_trayIcon->setContextMenu(m_menu);
    if (m_servicesController)
        connect(m_servicesController, &ServicesController::iconNameChanged, this, &MenuBarExtra::updateItem);
    // A change of the desktop's palette may turn the panel dark or light.
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
    updateItem();
    if (!platform::trayOpensMenuOnClick()) {
        connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // A click soon after the last one, at the same place, reaches us as a double click.
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                openMenuAtItem();
        });
    }
    m_trayIcon->show();
}

bool MenuBarExtra::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
        updateItem();
    return QObject::eventFilter(watched, event);
}

void MenuBarExtra::updateItem()
{
    if (!m_servicesController || !m_trayIcon)
        return;
    // The tray takes the desktop's colours, so the palette tells whether the panel is dark.
    const bool darkPanel = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    m_trayIcon->setIcon(iconNamed(m_servicesController->iconName(), darkPanel));
    // The state in words, for a screen reader and for anyone who cannot tell the two icons apart.
    m_trayIcon->setToolTip(m_servicesController->isServiceRunning() ? tr("Kelvane OS Agent: running")
                                                                    : tr("Kelvane OS Agent: stopped"));
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
