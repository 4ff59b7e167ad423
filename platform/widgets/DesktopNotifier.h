#pragma once

#include "platform/UserNotifier.h"

#include <QString>

#include <memory>

namespace platform {

class LogSink;

// The desktop's own notifications: on Linux the freedesktop notification service on the session bus (the
// action offered where the server shows actions), nothing but a log line where no server runs; on macOS the
// system's user notifications, permission asked once, the first time one is needed.
class DesktopNotifier : public UserNotifier
{
    Q_OBJECT

public:
    explicit DesktopNotifier(LogSink &log, QObject *parent = nullptr);
    ~DesktopNotifier() override;

    void notify(const Notification &notification) override;

private slots:
    void actionChosen(uint id, const QString &action);

private:
    struct Platform; // what the system's notifications need kept (macOS: the delegate that hears the action;
                     // Linux: nothing, made once the action is listened for)

    LogSink &m_log;
    std::unique_ptr<Platform> m_platform;
    uint m_shownId = 0; // the server's number for the notification shown last, which the next replaces
    bool m_loggedUnavailable = false;
};

} // namespace platform
