#pragma once

#include <QObject>
#include <QString>

namespace platform {

// The desktop's notifications, for one kind of news of the application's: each notification replaces the
// one it showed before where the system allows. Where nothing can show one, nothing is shown.
class UserNotifier : public QObject
{
    Q_OBJECT

public:
    struct Notification
    {
        QString title;
        QString body;
        QString actionTitle; // the one action offered; none where empty
    };

    using QObject::QObject;

    virtual void notify(const Notification &notification) = 0;

signals:
    // The user chose the action of the notification shown last.
    void actionInvoked();
};

} // namespace platform
