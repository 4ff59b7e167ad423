#include "menubar-app/ui/MenuBarExtra.h"

#include "menubar-app/service/ServicesController.h"
#include "menubar-app/ui/IconImages.h"
#include "menubar-app/ui/PanelMenu.h"
#include "platform/LogSink.h"
#include "platform/widgets/DesktopColourScheme.h"
#include "platform/widgets/SystemTray.h"
#include "platform/widgets/TrayActivationPoint.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

namespace menubar {

namespace {

QString imagesName(const QString &name, bool darkPanel)
{
    return darkPanel ? name + QStringLiteral("-dark") : name;
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
    , m_activationPoint(dependencies.activationPoint)
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
    QIcon icon = iconFromImages(imagesName(name, darkPanel));
    icon.setIsMask(true);
    return icon;
}

QString MenuBarExtra::selfDescription()
{
    return QStringLiteral("Kelvane_OS_Agent.MenuBarExtra");
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
    // Handed over, the menu is the tray's to open on a right click: some StatusNotifierItem hosts (Xfce's panel)
    // never pass that click on, and show the menu the item exports instead.
    m_trayIcon->setContextMenu(m_menu);
    if (!platform::trayOpensMenuOnClick()) {
        connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // A click soon after the last one, at the same place, reaches us as a double click.
            if (reason != QSystemTrayIcon::MiddleClick)
                openMenuAtItem(reason);
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
    const QString shown = imagesName(m_servicesController->iconName(), darkPanel);
    if (shown != m_shownIcon) {
        m_trayIcon->setIcon(icon(m_servicesController->iconName(), darkPanel));
        m_shownIcon = shown;
    }
    // The menu opens from the panel: in its colours, as the panel's own menus are; the application's where
    // they agree.
    if (m_menu && isDark(m_menu->palette()) != darkPanel)
        m_menu->setPalette(isDark(QGuiApplication::palette()) == darkPanel ? QPalette() : panelMenuPalette(darkPanel));
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
    const QString images = imagesName(name, darkPanel);
    auto drawn = m_icons.find(images);
    if (drawn == m_icons.end())
        drawn = m_icons.insert(images, iconNamed(name, darkPanel));
    return *drawn;
}

void MenuBarExtra::openMenuAtItem(QSystemTrayIcon::ActivationReason reason)
{
    // An XEmbed tray opens a handed menu itself on a right click, where the click was: it is moved beside
    // the panel then. Any other click, or a host's call, opens it here unless it is open already.
    if (!m_menu || (m_menu->isVisible() && reason != QSystemTrayIcon::Context))
        return;
    const QRect item = m_trayIcon->geometry();
    if (item.isValid() && QGuiApplication::screenAt(item.center())) {
        openMenuBesidePanel(*m_menu, item);
        return;
    }
    // A StatusNotifierItem host does not tell where the item is, but where it was activated: at the click, or
    // where the host chose for an activation from the keyboard. Where that is not known, at the pointer.
    auto open = [this](std::optional<QPoint> at) {
        if (m_menu)
            openMenuBesidePanel(*m_menu, QRect(at.value_or(QCursor::pos()), QSize(1, 1)));
    };
    if (m_activationPoint)
        m_activationPoint->whenKnown(this, open);
    else
        open(std::nullopt);
}

} // namespace menubar
