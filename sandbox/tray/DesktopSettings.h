#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QVariantMap>

namespace sandbox {

// Stand in for what a desktop serves about its look, each with its change signal: the settings portal's colour
// scheme, and Xfce's settings daemon with the panel's and the theme's settings. start() takes the service's
// name on the given connection.
class SettingsPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 0; // "color-scheme": 0 states nothing, 1 dark, 2 light
    bool start(QDBusConnection bus)
    {
        return bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                  QDBusConnection::ExportAllContents) &&
               bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    void setScheme(uint value)
    {
        scheme = value;
        emit SettingChanged(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                            QDBusVariant(value));
    }

public slots:
    QDBusVariant Read(const QString &, const QString &) // the value in one more variant, as Read has it
    {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }

signals:
    void SettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value);
};

class Xfconf : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.xfce.Xfconf")

public:
    bool start(QDBusConnection bus)
    {
        return bus.registerObject(QStringLiteral("/org/xfce/Xfconf"), this, QDBusConnection::ExportAllContents) &&
               bus.registerService(QStringLiteral("org.xfce.Xfconf"));
    }
    void set(const QString &channel, const QString &property, const QVariant &value)
    {
        m_properties[channel + property] = value;
        emit PropertyChanged(channel, property, QDBusVariant(value));
    }

public slots:
    QDBusVariant GetProperty(const QString &channel, const QString &property)
    {
        return QDBusVariant(m_properties.value(channel + property));
    }

signals:
    void PropertyChanged(const QString &channel, const QString &property, const QDBusVariant &value);

private:
    QVariantMap m_properties;
};

} // namespace sandbox
