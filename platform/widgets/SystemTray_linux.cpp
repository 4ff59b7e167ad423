#include "platform/widgets/SystemTray.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

// Last: Xlib defines macros (None, Bool, Status) that would clash with names in Qt's headers.
#include <X11/Xlib.h>

namespace platform {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
constexpr int kBusTimeoutMs = 2000;

bool isStatusNotifierHostRegistered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService))
        return false;
    QDBusMessage get =
        QDBusMessage::createMethodCall(kWatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus.call(get, QDBus::Block, kBusTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}

bool isXEmbedTrayManagerPresent()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    Display *display = x11->display();
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, selection.constData(), False)) != None;
}

} // namespace

bool isTrayHostAvailable()
{
    return isStatusNotifierHostRegistered() || isXEmbedTrayManagerPresent();
}

bool isTrayItemXEmbed()
{
    return isXEmbedTrayManagerPresent() && !isStatusNotifierHostRegistered();
}

bool trayOpensMenuOnClick()
{
    return false;
}

void whenTrayWatcherStarts(QObject *context, std::function<void()> started)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto *watcher = new QDBusServiceWatcher(kWatcherService, bus, QDBusServiceWatcher::WatchForRegistration, context);
    QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, context,
                     [started = std::move(started)] { started(); });
}

} // namespace platform
