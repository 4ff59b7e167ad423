#include "sandbox/tray/XEmbedProxy.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSocketNotifier>

// Last: Xlib defines macros (None, Bool, Status) that would clash with names in Qt's headers.
#include <X11/Xlib.h>

namespace sandbox {

namespace {

// freedesktop.org's system tray protocol, SYSTEM_TRAY_REQUEST_DOCK: the opcode message's first request.
constexpr long kRequestDock = 0;

} // namespace

XEmbedProxy::XEmbedProxy(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{}

XEmbedProxy::~XEmbedProxy()
{
    delete m_events;
    if (m_display)
        XCloseDisplay(m_display);
}

bool XEmbedProxy::start()
{
    m_display = XOpenDisplay(nullptr);
    if (!m_display)
        return false;
    const Window root = DefaultRootWindow(m_display);
    m_window = XCreateSimpleWindow(m_display, root, 0, 0, 1, 1, 0, 0, 0);
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(m_display));
    const Atom selection = XInternAtom(m_display, name.constData(), False);
    XSetSelectionOwner(m_display, selection, m_window, CurrentTime);
    if (XGetSelectionOwner(m_display, selection) != m_window)
        return false;
    XEvent manager{};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = root;
    manager.xclient.message_type = XInternAtom(m_display, "MANAGER", False);
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = CurrentTime;
    manager.xclient.data.l[1] = static_cast<long>(selection);
    manager.xclient.data.l[2] = static_cast<long>(m_window);
    XSendEvent(m_display, root, False, StructureNotifyMask, &manager);
    XFlush(m_display);
    m_events = new QSocketNotifier(ConnectionNumber(m_display), QSocketNotifier::Read);
    connect(m_events, &QSocketNotifier::activated, this, &XEmbedProxy::readEvents);
    return true;
}

void XEmbedProxy::readEvents()
{
    const Atom opcode = XInternAtom(m_display, "_NET_SYSTEM_TRAY_OPCODE", False);
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type != ClientMessage || event.xclient.message_type != opcode ||
            event.xclient.data.l[1] != kRequestDock)
            continue;
        ++m_docked;
        // As the proxy names an item: by a path of its own connection. Asked once, starting nothing.
        QDBusMessage item = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("RegisterStatusNotifierItem"));
        item << QStringLiteral("/XEmbedIcon%1").arg(event.xclient.data.l[2]);
        item.setAutoStartService(false);
        m_bus.asyncCall(item);
    }
}

} // namespace sandbox
