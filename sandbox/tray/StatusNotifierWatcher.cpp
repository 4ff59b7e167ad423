#include "sandbox/tray/StatusNotifierWatcher.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace sandbox {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");

// A key sequence as dbusmenu sends it: a list of chords, each a list of key names.
QString shortcutOf(const QVariant &value)
{
    if (!value.isValid())
        return QString();
    QStringList chords;
    const auto argument = qvariant_cast<QDBusArgument>(value);
    argument.beginArray();
    while (!argument.atEnd()) {
        QStringList keys;
        argument >> keys;
        chords << keys.join(u'+');
    }
    argument.endArray();
    return chords.join(u", ");
}

// One (id, properties, children) layout node; each child is a variant holding another node.
void readEntries(const QDBusArgument &node, QStringList &rows, bool isRoot)
{
    int id = 0;
    QVariantMap properties;
    node.beginStructure();
    node >> id >> properties;
    // A panel draws no entry that is not visible.
    const bool drawn = !isRoot && properties.value(QStringLiteral("visible"), true).toBool();
    if (drawn && properties.value(QStringLiteral("type")) == QLatin1String("separator")) {
        rows << QStringLiteral("---");
    } else if (drawn) {
        rows << QStringLiteral("%1|%2|%3")
                    .arg(properties.value(QStringLiteral("label")).toString(),
                         properties.value(QStringLiteral("enabled"), true).toBool() ? "enabled" : "disabled",
                         shortcutOf(properties.value(QStringLiteral("shortcut"))));
    }
    node.beginArray();
    while (!node.atEnd()) {
        QDBusVariant child;
        node >> child;
        readEntries(qvariant_cast<QDBusArgument>(child.variant()), rows, false);
    }
    node.endArray();
    node.endStructure();
}

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

QStringList StatusNotifierWatcher::menu(const QString &item) const
{
    const auto path = qvariant_cast<QDBusObjectPath>(itemProperty(item, QStringLiteral("Menu")));
    QDBusMessage getLayout = QDBusMessage::createMethodCall(item, path.path(), QStringLiteral("com.canonical.dbusmenu"),
                                                            QStringLiteral("GetLayout"));
    getLayout << 0 << -1 << QStringList();
    const QDBusMessage reply = m_bus.call(getLayout);
    QStringList rows;
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
        readEntries(qvariant_cast<QDBusArgument>(reply.arguments().at(1)), rows, true);
    return rows;
}

bool StatusNotifierWatcher::activate(const QString &item) const
{
    QDBusMessage click = QDBusMessage::createMethodCall(item, kItemPath, kItemInterface, QStringLiteral("Activate"));
    click << 0 << 0;
    return m_bus.call(click).type() == QDBusMessage::ReplyMessage;
}

} // namespace sandbox
