#include "menubar-app/ui/MenuBarExtra.h"

#include "menubar-app/service/ServicesController.h"
#include "platform/LogSink.h"
#include "platform/widgets/DesktopColourScheme.h"
#include "platform/widgets/SystemTray.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace menubar {

namespace {

QString resourceName(const QString &name, bool darkPanel)
{
    return QStringLiteral(":/icons/%1%2.svg").arg(name, darkPanel ? QStringLiteral("-dark") : QString());
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

MenuBarExtra::MenuBarExtra(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_servicesController(dependencies.servicesController)
    , m_menu(dependencies.menu)
    , m_log(dependencies.log)
    , m_isSystemTrayAvailable(std::move(dependencies.isSystemTrayAvailable))
    , m_colourScheme(dependencies.colourScheme)
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
    QIcon icon(resourceName(name, darkPanel));
    icon.setIsMask(true);
    return icon;
}

QString MenuBarExtra::selfDescription()
{
    return QStringLiteral("Kelvane_OS_Agent.MenuBarExtra");
}

QPoint MenuBarExtra::menuPosition(const QRect &item, const QSize &menu, const QRect &screen, const QRect &workArea)
{
    const QPoint centre = item.center();
    // Along the panel, the menu starts at the item and stays on the screen.
    const int x = std::max(screen.left(), std::min(item.left(), screen.right() + 1 - menu.width()));
    const int y = std::max(screen.top(), std::min(item.top(), screen.bottom() + 1 - menu.height()));
    if (centre.x() < workArea.left())
        return {std::max(item.right(), workArea.left() - 1) + 1, y};
    if (centre.x() > workArea.right())
        return {std::min(item.left(), workArea.right() + 1) - menu.width(), y};
    if (centre.y() < workArea.top() || (centre.y() <= workArea.bottom() && centre.y() < screen.center().y()))
        return {x, std::max(item.bottom(), workArea.top() - 1) + 1};
    return {x, std::min(item.top(), workArea.bottom() + 1) - menu.height()};
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
    // A tray handed the menu opens it where the click was, over the item on a bottom panel, and a
    // StatusNotifierItem host draws it in a style of its own: where the tray does not open it on a plain
    // click anyway, every click opens it here.
    if (platform::trayOpensMenuOnClick()) {
        m_trayIcon->setContextMenu(m_menu);
    } else {
        connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // A click soon after the last one, at the same place, reaches us as a double click.
            if (reason != QSystemTrayIcon::MiddleClick)
                openMenuAtItem();
        });
    }
    if (m_servicesController)
        connect(m_servicesController, &ServicesController::iconNameChanged, this, &MenuBarExtra::updateItem);
    // A change of the desktop's colour scheme or palette may turn the panel dark or light.
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
    if (m_colourScheme)
        connect(m_colourScheme, &platform::DesktopColourScheme::changed, this, &MenuBarExtra::updateItem);
    updateItem();
    // Plasma's proxy for XEmbed items hands an item to the tray's watcher once, when it docks: one docked
    // before the watcher started is shown once it docks again. Watched before the first docking.
    platform::whenTrayWatcherStarts(this, [this] {
        m_trayIcon->hide();
        m_trayIcon->show();
    });
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
    // A new icon, even of the same picture, is drawn anew by the tray and cached anew by Qt: hand one over
    // only when the picture changes.
    const bool darkPanel = isPanelDark();
    const QString shown = resourceName(m_servicesController->iconName(), darkPanel);
    if (shown != m_shownIcon) {
        m_trayIcon->setIcon(icon(m_servicesController->iconName(), darkPanel));
        m_shownIcon = shown;
    }
    // The menu opens from the panel: in its colours, as the panel's own menus are; the application's where
    // they agree.
    if (m_menu && isDark(m_menu->palette()) != darkPanel) {
        if (isDark(QGuiApplication::palette()) == darkPanel)
            m_menu->setPalette(QPalette());
        else
            m_menu->setPalette(darkPanel ? QPalette(QColor(0x3a, 0x3a, 0x3c), QColor(0x2b, 0x2b, 0x2b))
                                         : QPalette(QColor(0xe6, 0xe6, 0xe6), QColor(0xef, 0xef, 0xef)));
    }
    // The state in words, for a screen reader and for anyone who cannot tell the two icons apart.
    const QString toolTip =
        m_servicesController->isServiceRunning() ? tr("Kelvane OS Agent: running") : tr("Kelvane OS Agent: stopped");
    if (toolTip != m_trayIcon->toolTip())
        m_trayIcon->setToolTip(toolTip);
}

bool MenuBarExtra::isPanelDark() const
{
    if (m_colourScheme) {
        if (const std::optional<bool> prefersDark = m_colourScheme->prefersDark())
            return *prefersDark;
    }
    // Otherwise the tray takes the desktop's colours, so the palette tells whether the panel is dark.
    return isDark(QGuiApplication::palette());
}

const QIcon &MenuBarExtra::icon(const QString &name, bool darkPanel)
{
    const QString resource = resourceName(name, darkPanel);
    auto drawn = m_icons.find(resource);
    if (drawn == m_icons.end())
        drawn = m_icons.insert(resource, iconNamed(name, darkPanel));
    return *drawn;
}

void MenuBarExtra::openMenuAtItem()
{
    if (!m_menu || m_menu->isVisible())
        return;
    QRect item = m_trayIcon->geometry();
    // A StatusNotifierItem host does not tell where the item is; the click was there, though.
    if (!item.isValid() || !QGuiApplication::screenAt(item.center()))
        item = QRect(QCursor::pos(), QSize(1, 1));
    if (const QScreen *screen = QGuiApplication::screenAt(item.center()))
        m_menu->popup(menuPosition(item, m_menu->sizeHint(), screen->geometry(), screen->availableGeometry()));
    else
        m_menu->popup(item.topLeft());
}

} // namespace menubar
