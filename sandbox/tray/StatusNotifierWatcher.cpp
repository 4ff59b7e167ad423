#include "sandbox/tray/StatusNotifierWatcher.h"

#include <QColor>
#include <QDBusArgument>
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

QString StatusNotifierWatcher::toolTipTitle(const QString &item) const
{
    // (icon name, icon pixmaps as (width, height, pixels), title, text)
    const auto tip = qvariant_cast<QDBusArgument>(itemProperty(item, QStringLiteral("ToolTip")));
    QString iconName;
    QString title;
    QString text;
    tip.beginStructure();
    tip >> iconName;
    tip.beginArray();
    while (!tip.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray pixels;
        tip.beginStructure();
        tip >> width >> height >> pixels;
        tip.endStructure();
    }
    tip.endArray();
    // Every structure opened is closed, or its reader is never freed.
    tip >> title >> text;
    tip.endStructure();
    return title;
}

int StatusNotifierWatcher::iconCentreLightness(const QString &item) const
{
    // The first pixmap of the item's (width, height, ARGB32 pixels in network byte order).
    const auto pixmaps = qvariant_cast<QDBusArgument>(itemProperty(item, QStringLiteral("IconPixmap")));
    int width = 0;
    int height = 0;
    QByteArray pixels;
    pixmaps.beginArray();
    if (!pixmaps.atEnd()) {
        pixmaps.beginStructure();
        pixmaps >> width >> height >> pixels;
        pixmaps.endStructure();
    }
    pixmaps.endArray();
    const qsizetype centre = 4 * (qsizetype(height / 2) * width + width / 2);
    if (centre + 3 >= pixels.size())
        return -1;
    return QColor(quint8(pixels[centre + 1]), quint8(pixels[centre + 2]), quint8(pixels[centre + 3])).lightness();
}

bool StatusNotifierWatcher::click(const QString &item, const QPoint &at, bool rightButton) const
{
    QDBusMessage click = QDBusMessage::createMethodCall(
        item, kItemPath, kItemInterface, rightButton ? QStringLiteral("ContextMenu") : QStringLiteral("Activate"));
    click << at.x() << at.y();
    return m_bus.call(click).type() == QDBusMessage::ReplyMessage;
}

} // namespace sandbox
