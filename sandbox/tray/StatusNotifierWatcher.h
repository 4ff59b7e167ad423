#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPoint>
#include <QStringList>

namespace sandbox {

// Stands in for a panel's tray on a session bus: the StatusNotifierItem watcher with a host registered,
// and the host's side of an item: its title and a click on it.
class StatusNotifierWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    explicit StatusNotifierWatcher(QDBusConnection bus, QObject *parent = nullptr);
    ~StatusNotifierWatcher() override;

    // Takes the watcher's name on the bus, as a panel does when it starts.
    bool start();

    // The bus names of the items registered so far.
    QStringList registeredItems() const { return m_items; }
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

    // As a host reads an item: its title, and the lightness (0 to 255) of its icon's centre, where every icon
    // of ours draws in its ink: dark for a light panel, light for a dark one.
    QString title(const QString &item) const;
    // The title of its tooltip: where an item says its state in words.
    QString toolTipTitle(const QString &item) const;
    int iconCentreLightness(const QString &item) const;
    // A left or right click on the item, at this point of the screen.
    bool click(const QString &item, const QPoint &at, bool rightButton) const;

public slots:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message);
    void RegisterStatusNotifierHost(const QString &service);

signals:
    void StatusNotifierItemRegistered(const QString &service);
    void StatusNotifierHostRegistered();

private:
    QVariant itemProperty(const QString &item, const QString &name) const;

    QDBusConnection m_bus;
    QStringList m_items;
    bool m_started = false;
};

} // namespace sandbox
