#include "platform/widgets/TrayActivationPoint.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace platform {

namespace {

// A host's point is in device pixels; Qt scales a screen's size about its top-left corner, which it keeps.
std::optional<QPoint> applicationPoint(QPoint devicePoint)
{
    // Hosts that know no place pass the origin.
    if (devicePoint.isNull())
        return std::nullopt;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        if (QRect(geometry.topLeft(), geometry.size() * ratio).contains(devicePoint))
            return geometry.topLeft() + (devicePoint - geometry.topLeft()) / ratio;
    }
    return std::nullopt;
}

} // namespace

TrayActivationPoint::TrayActivationPoint(QObject *parent)
    : QObject(parent)
{
    m_wait.setInterval(kWaitForPoint);
    connect(&m_wait, &QTimer::timeout, this, [this] { answer(std::nullopt); });
}

void TrayActivationPoint::activatedAt(QPoint devicePoint)
{
    const std::optional<QPoint> point = applicationPoint(devicePoint);
    if (m_reply) {
        answer(point);
        return;
    }
    m_point = point;
    m_pointAge.start();
}

void TrayActivationPoint::whenKnown(QObject *context, std::function<void(std::optional<QPoint>)> reply)
{
    answer(std::nullopt); // to the question before, if any
    if (m_point && !m_pointAge.hasExpired(kPointKept.count())) {
        const std::optional<QPoint> point = std::exchange(m_point, std::nullopt);
        reply(point);
        return;
    }
    if (!m_following) {
        reply(std::nullopt);
        return;
    }
    m_context = context;
    m_reply = std::move(reply);
    m_wait.start();
}

void TrayActivationPoint::answer(std::optional<QPoint> point)
{
    m_wait.stop();
    const auto reply = std::exchange(m_reply, nullptr);
    if (reply && std::exchange(m_context, nullptr))
        reply(point);
}

} // namespace platform
