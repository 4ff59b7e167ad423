#include "platform/widgets/DesktopColourScheme.h"

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace platform {

namespace {

// The freedesktop settings portal:
// https://flatpak.github.io/xdg-desktop-portal/docs/doc-org.freedesktop.portal.Settings.html
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourScheme = QStringLiteral("color-scheme");

// "color-scheme": 1 asks for dark, 2 for light, 0 (or anything else) states nothing.
std::optional<bool> preferenceOf(const QVariant &value)
{
    QVariant inner = value;
    // Read wraps the value in one more variant than ReadOne does.
    while (inner.userType() == qMetaTypeId<QDBusVariant>())
        inner = qvariant_cast<QDBusVariant>(inner).variant();
    bool isNumber = false;
    const uint scheme = inner.toUInt(&isNumber);
    if (!isNumber || (scheme != 1 && scheme != 2))
        return std::nullopt;
    return scheme == 1;
}

// The portal's settings interface with its change signal as a Qt signal, so that it connects like any other.
class PortalSettings : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    explicit PortalSettings(QObject *parent)
        : QDBusAbstractInterface(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                 "org.freedesktop.portal.Settings", QDBusConnection::sessionBus(), parent)
    {}

signals:
    void SettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value);
};

} // namespace

void followDesktopColourScheme(DesktopColourScheme &scheme)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return;
    auto *portal = new PortalSettings(&scheme);
    QObject::connect(portal, &PortalSettings::SettingChanged, &scheme,
                     [&scheme](const QString &nameSpace, const QString &key, const QDBusVariant &value) {
                         if (nameSpace == kAppearance && key == kColourScheme)
                             scheme.setPrefersDark(preferenceOf(value.variant()));
                     });
    // Asked once without waiting: a portal started on demand may take a while, and the palette serves till then.
    auto *watcher =
        new QDBusPendingCallWatcher(portal->asyncCall(QStringLiteral("Read"), kAppearance, kColourScheme), &scheme);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &scheme, [&scheme](QDBusPendingCallWatcher *call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError())
            scheme.setPrefersDark(preferenceOf(reply.value().variant()));
        call->deleteLater();
    });
}

} // namespace platform

#include "DesktopColourScheme_linux.moc"
