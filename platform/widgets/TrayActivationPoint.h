#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace platform {

// Where the tray host says the user has just activated the item. A StatusNotifierItem host passes that
// point with its call, and for an activation from the keyboard it is the only place to go by: the pointer
// may be anywhere. Qt's item does not hand it on, so the point is learnt beside it (followTrayActivations);
// where nothing feeds it, it knows nothing and keeps no one waiting.
class TrayActivationPoint : public QObject
{
    Q_OBJECT

public:
    // The host's call and Qt's report of it come over different connections, in either order: how long a
    // report waits for the point, and how long a point is kept for the report that comes after it.
    static constexpr std::chrono::milliseconds kWaitForPoint{100};
    static constexpr std::chrono::milliseconds kPointKept{500};

    explicit TrayActivationPoint(QObject *parent = nullptr);

    // Whether the host's calls are being read: only then is a point worth waiting for.
    bool isFollowing() const { return m_following; }
    void setFollowing(bool following) { m_following = following; }

    // The host's activation of one of this process's items, at this point of the desktop, in the host's
    // (device) pixels.
    void activatedAt(QPoint devicePoint);

    // Hands the point of the activation being handled, in the application's coordinates, to `reply`: at
    // once when it has come, when it comes, or none once the wait is over or when nothing is read.
    // A second question before the first is answered answers the first with none.
    void whenKnown(QObject *context, std::function<void(std::optional<QPoint>)> reply);

private:
    void answer(std::optional<QPoint> point);

    bool m_following = false;
    std::optional<QPoint> m_point;
    QElapsedTimer m_pointAge;
    QPointer<QObject> m_context;
    std::function<void(std::optional<QPoint>)> m_reply;
    QTimer m_wait;
};

// Feeds the point with the host's calls to this process's items: on Linux by reading the session bus's
// StatusNotifierItem activations as a monitor; on macOS never, since the menu bar opens the menu itself.
void followTrayActivations(TrayActivationPoint &point);

} // namespace platform
