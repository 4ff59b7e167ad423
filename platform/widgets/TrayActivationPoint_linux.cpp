#include "platform/widgets/TrayActivationPoint.h"

#include "platform/widgets/SystemTray.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVirtualObject>

namespace platform {

namespace {

const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
// Where Qt's item answers.
const QString kItemPath = QStringLiteral("/StatusNotifierItem");

// Takes every call the monitor is shown, answering none: a monitor may send nothing, and the calls were meant
// for others (freedesktop D-Bus documentation, "org.freedesktop.DBus.Monitoring.BecomeMonitor").
class ActivationReader : public QDBusVirtualObject
{
public:
    ActivationReader(TrayActivationPoint &point, QString connectionName)
        : QDBusVirtualObject(&point)
        , m_point(point)
        , m_connectionName(std::move(connectionName))
    {}
    ~ActivationReader() override { QDBusConnection::disconnectFromBus(m_connectionName); }

    QString introspect(const QString &) const override { return {}; }

    // Qt does not say to whom a call was addressed, so this may be another item's activation; the point
    // keeps it only for as long as the report of ours may take to come.
    bool handleMessage(const QDBusMessage &call, const QDBusConnection &) override
    {
        const QVariantList arguments = call.arguments();
        if (arguments.size() == 2)
            m_point.activatedAt(QPoint(arguments.at(0).toInt(), arguments.at(1).toInt()));
        return true;
    }

private:
    TrayActivationPoint &m_point;
    const QString m_connectionName;
};

QString activationRule(const char *member)
{
    return QStringLiteral("type='method_call',interface='%1',path='%2',member='%3'")
        .arg(kItemInterface, kItemPath, QLatin1String(member));
}

} // namespace

void followTrayActivations(TrayActivationPoint &point)
{
    // Qt settles on its items' protocol when it makes the first, as this asks: an XEmbed item's place is known.
    if (isTrayItemXEmbed())
        return;
    // A connection of its own: once a monitor, it can do nothing else.
    const QString name = QStringLiteral("tray-activations-%1").arg(quintptr(&point), 0, 16);
    QDBusConnection monitor = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    if (!monitor.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return;
    }
    auto *reader = new ActivationReader(point, name);
    monitor.registerVirtualObject(QStringLiteral("/"), reader, QDBusConnection::SubPath);
    QDBusMessage become = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Monitoring"), QStringLiteral("BecomeMonitor"));
    become << QStringList{activationRule("Activate"), activationRule("ContextMenu")} << 0U;
    // Asked without blocking: the item must not wait for it. A bus that refuses leaves the point unfed.
    auto *watcher = new QDBusPendingCallWatcher(monitor.asyncCall(become), reader);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, reader, [&point, watcher] {
        point.setFollowing(!watcher->isError());
        watcher->deleteLater();
    });
}

} // namespace platform
