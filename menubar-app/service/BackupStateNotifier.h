#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

namespace platform {
class LogSink;
class UserNotifier;
} // namespace platform

namespace menubar {

// Tells the user when backups have stopped: a daemon that ran, or that the application started, and that two
// status checks in a row then find not running, on an enrolled machine. One notification until the daemon has
// run again, which a second one then says; none for a stop the user asked for, nor while the daemon's missing
// Full Disk Access has its own prompt. Its action asks for the start that the menu's entry makes.
class BackupStateNotifier : public QObject
{
    Q_OBJECT

public:
    struct Dependencies
    {
        platform::UserNotifier &notifier;
        platform::LogSink &log;
        // Whether the user and the administrator leave these notifications on; asked at each decision.
        std::function<bool()> isEnabled;
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    };

    explicit BackupStateNotifier(Dependencies dependencies, QObject *parent = nullptr);

    // A status check's finding, on a machine enrolled or not.
    void statusChecked(bool running, bool enrolled);
    // The application has asked for the daemon's start, or the user for its stop.
    void startRequested();
    void stopRequested();
    // The daemon ended for want of Full Disk Access, which the application prompts for itself.
    void fullDiskAccessMissing();

signals:
    // The notification's action: start the daemon as the menu does.
    void startBackupsRequested();

private:
    platform::UserNotifier &m_notifier;
    platform::LogSink &m_log;
    std::function<bool()> m_isEnabled;
    std::function<QDateTime()> m_now;
    // Whether a stop would be news: the daemon ran, or was started, since the user's stop or the last notice.
    bool m_expectRunning = false;
    bool m_notified = false;
    int m_stoppedChecks = 0;
    QDateTime m_stoppedSince;
};

} // namespace menubar
