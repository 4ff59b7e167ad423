#include "platform/widgets/DesktopNotifier.h"

#include "platform/LogSink.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>

namespace platform {

namespace {

// The desktop notification service's D-Bus protocol, as freedesktop.org publishes it (org.freedesktop.Notifications).
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kAction = QStringLiteral("start");

} // namespace

// Made with the first notification: only from then on can a server have an action of ours to tell of.
struct DesktopNotifier::Platform
{
};

DesktopNotifier::DesktopNotifier(LogSink &log, QObject *parent)
    : UserNotifier(parent)
    , m_log(log)
{}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::notify(const Notification &notification)
{
    // Subscribed before the first call, whose action it hears; not at start, where the bus's round trip
    // would hold up the item.
    if (!m_platform) {
        m_platform = std::make_unique<Platform>();
        QDBusConnection::sessionBus().connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                                              SLOT(actionChosen(uint, QString)));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // A server that shows no actions ignores them.
    const QStringList actions =
        notification.actionTitle.isEmpty() ? QStringList() : QStringList{kAction, notification.actionTitle};
    call << QGuiApplication::applicationDisplayName() << m_shownId << QString() << notification.title
         << notification.body << actions << QVariantMap() << -1;
    // Started for us where the desktop installs one to start on demand; answered without waiting.
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *reply) {
        const QDBusPendingReply<uint> id = *reply;
        reply->deleteLater();
        if (!id.isError()) {
            m_shownId = id.value();
            return;
        }
        // The icon still shows the state: the missing server is worth one line.
        if (!std::exchange(m_loggedUnavailable, true))
            m_log.write(LogLevel::Info, QStringLiteral("Kelvane_OS_Agent.DesktopNotifier no notification shown: ") +
                                            id.error().message());
    });
}

void DesktopNotifier::actionChosen(uint id, const QString &action)
{
    if (id == m_shownId && action == kAction)
        emit actionInvoked();
}

} // namespace platform
