#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace sandbox {

// Stands in for a desktop's notification service (org.freedesktop.Notifications): it keeps what it was asked to
// show, and lets a test choose a notification's action as a user would.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown
    {
        uint id;
        uint replaces;
        QString summary;
        QString body;
        QStringList actions; // key, title, key, title…
    };
    QList<Shown> shown;

    bool start(QDBusConnection bus)
    {
        return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
               bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void chooseAction(uint id, const QString &key) { emit ActionInvoked(id, key); }

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("body"), QStringLiteral("actions")}; }
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        const uint id = replacesId != 0 ? replacesId : ++m_lastId;
        shown.append({id, replacesId, summary, body, actions});
        return id;
    }
    void CloseNotification(uint) {}

signals:
    void ActionInvoked(uint id, const QString &actionKey);

private:
    uint m_lastId = 0;
};

} // namespace sandbox
