#include "platform/widgets/DesktopColourScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <algorithm>

namespace platform {

namespace {

// The freedesktop settings portal:
// https://flatpak.github.io/xdg-desktop-portal/docs/doc-org.freedesktop.portal.Settings.html
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourScheme = QStringLiteral("color-scheme");

// Xfce's settings daemon, as `xfconf-query` reaches it. The panel's "dark-mode" (on in 4.18's default panel)
// asks the GTK theme's dark variant for the panels alone; a dark theme makes them dark anyway.
const QString kXfconfService = QStringLiteral("org.xfce.Xfconf");
const QString kXfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString kXfconfInterface = QStringLiteral("org.xfce.Xfconf");
const QString kPanelChannel = QStringLiteral("xfce4-panel");
const QString kDarkMode = QStringLiteral("/panels/dark-mode");
const QString kThemeChannel = QStringLiteral("xsettings");
const QString kThemeName = QStringLiteral("/Net/ThemeName");

QVariant unwrapped(const QVariant &value)
{
    QVariant inner = value;
    // Read wraps the value in one more variant than ReadOne does.
    while (inner.userType() == qMetaTypeId<QDBusVariant>())
        inner = qvariant_cast<QDBusVariant>(inner).variant();
    return inner;
}

// "color-scheme": 1 asks for dark, 2 for light, 0 (or anything else) states nothing.
std::optional<bool> preferenceOf(const QVariant &value)
{
    bool isNumber = false;
    const uint scheme = unwrapped(value).toUInt(&isNumber);
    if (!isNumber || (scheme != 1 && scheme != 2))
        return std::nullopt;
    return scheme == 1;
}

// Listens to both on the scheme's behalf. The slot takes the whole message: a slot with a QDBusVariant
// parameter is subscribed only if that type has been used in the process before, which on a fresh start it
// has not (nor would a QDBusAbstractInterface's signal be). Signals are matched by path and interface alone.
class DesktopListener : public QObject
{
    Q_OBJECT

public:
    explicit DesktopListener(DesktopColourScheme &scheme)
        : QObject(&scheme)
        , m_scheme(scheme)
    {}

    void read(const QString &service, const QString &path, const QString &interface, const QString &method,
              const QString &group, const QString &key, bool startService)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call << group << key;
        call.setAutoStartService(startService);
        auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, group, key](QDBusPendingCallWatcher *reply) {
            const QDBusPendingReply<QDBusVariant> value = *reply;
            if (!value.isError())
                take(group, key, value.value().variant());
            reply->deleteLater();
        });
    }

public slots:
    // The portal's SettingChanged and xfconf's PropertyChanged (group, key, value) and PropertyRemoved (group, key).
    void changed(const QDBusMessage &message)
    {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() >= 2)
            take(arguments.at(0).toString(), arguments.at(1).toString(), arguments.value(2));
    }

private:
    void take(const QString &group, const QString &key, const QVariant &value)
    {
        if (group == kAppearance && key == kColourScheme) {
            m_scheme.setPrefersDark(preferenceOf(value));
            return;
        }
        if (group == kPanelChannel && key == kDarkMode)
            m_darkMode = value.isValid() ? std::optional<bool>(unwrapped(value).toBool()) : std::nullopt;
        else if (group == kThemeChannel && key == kThemeName)
            m_theme = value.isValid() ? std::optional<QString>(unwrapped(value).toString()) : std::nullopt;
        else
            return;
        if (!m_darkMode && !m_theme)
            m_scheme.setPanelDark(std::nullopt);
        else
            m_scheme.setPanelDark(m_darkMode.value_or(false) ||
                                  m_theme.value_or(QString()).contains(u"dark", Qt::CaseInsensitive));
    }

    DesktopColourScheme &m_scheme;
    std::optional<bool> m_darkMode;
    std::optional<QString> m_theme;
};

// Xfce's settings daemon outlives an Xfce session and is started by any Xfce program: on another desktop its
// panel settings describe no panel that shows the item.
bool isXfceDesktop(QByteArrayView currentDesktop)
{
    const QList<QByteArray> names = currentDesktop.toByteArray().split(':');
    return std::any_of(names.begin(), names.end(),
                       [](const QByteArray &name) { return name.compare("XFCE", Qt::CaseInsensitive) == 0; });
}

} // namespace

void followDesktopColourScheme(DesktopColourScheme &scheme, QByteArrayView currentDesktop)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto *listener = new DesktopListener(scheme);
    bus.connect(QString(), kPortalPath, kPortalInterface, QStringLiteral("SettingChanged"), listener,
                SLOT(changed(QDBusMessage)));
    // Asked once without waiting: a portal started on demand may take a while, and the palette serves till
    // then.
    listener->read(kPortalService, kPortalPath, kPortalInterface, QStringLiteral("Read"), kAppearance, kColourScheme,
                   true);
    if (!isXfceDesktop(currentDesktop))
        return;
    for (const char *change : {"PropertyChanged", "PropertyRemoved"})
        bus.connect(QString(), kXfconfPath, kXfconfInterface, QLatin1String(change), listener,
                    SLOT(changed(QDBusMessage)));
    // Xfce's daemon is asked only where it runs: started for us, it would only say what it was installed with.
    for (const auto &[channel, property] : {std::pair{kPanelChannel, kDarkMode}, std::pair{kThemeChannel, kThemeName}})
        listener->read(kXfconfService, kXfconfPath, kXfconfInterface, QStringLiteral("GetProperty"), channel, property,
                       false);
}

} // namespace platform

#include "DesktopColourScheme_linux.moc"
