#include "sandbox/tray/StatusNotifierWatcher.h"

#include <QDBusVariant>

namespace sandbox {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");

} // namespace

StatusNotifierWatcher::StatusNotifierWatcher(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{}

StatusNotifierWatcher::~StatusNotifierWatcher()
{
    if (!m_started)
        return;
    m_bus.unregisterService(kWatcherService);
    m_bus.unregisterObject(kWatcherPath);
}

bool StatusNotifierWatcher::start()
{
    m_started = m_bus.registerObject(kWatcherPath, this,
                                     QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                         QDBusConnection::ExportAllSignals) &&
                m_bus.registerService(kWatcherService);
    return m_started;
}

void StatusNotifierWatcher::RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
{
    // An item may name itself by a path on its own connection instead of by a bus name.
    const QString name = service.startsWith(u'/') ? message.service() : service;
    if (!m_items.contains(name))
        m_items << name;
    emit StatusNotifierItemRegistered(name);
}

void StatusNotifierWatcher::RegisterStatusNotifierHost(const QString &)
{
    emit StatusNotifierHostRegistered();
}

QVariant StatusNotifierWatcher::itemProperty(const QString &item, const QString &name) const
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        item, kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kItemInterface << name;
    const QDBusMessage reply = m_bus.call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

QString StatusNotifierWatcher::title(const QString &item) const
{
    return itemProperty(item, QStringLiteral("Title")).toString();
}

bool StatusNotifierWatcher::click(const QString &item, const QPoint &at, bool rightButton) const
{
    QDBusMessage click = QDBusMessage::createMethodCall(
        item, kItemPath, kItemInterface, rightButton ? QStringLiteral("ContextMenu") : QStringLiteral("Activate"));
    click << at.x() << at.y();
    return m_bus.call(click).type() == QDBusMessage::ReplyMessage;
}

} // namespace sandbox
