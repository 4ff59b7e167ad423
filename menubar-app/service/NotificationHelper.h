#pragma once

#include <QCoreApplication>

namespace platform {
class AlertPresenter;
class UrlOpener;
} // namespace platform

namespace menubar {

// The Full Disk Access prompt: the daemon cannot grant itself that permission, so the user is
// offered the privacy settings page where it is granted by hand.
class NotificationHelper
{
    Q_DECLARE_TR_FUNCTIONS(NotificationHelper)

public:
    NotificationHelper(platform::AlertPresenter &alerts, platform::UrlOpener &urlOpener);

    // Blocks until the user has answered; nothing is remembered, so every call asks again.
    void displayDiskAccessRequestWindow();

private:
    platform::AlertPresenter &m_alerts;
    platform::UrlOpener &m_urlOpener;
};

} // namespace menubar
