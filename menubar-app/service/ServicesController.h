#pragma once

#include "common/AgentPaths.h"
#include "menubar-app/service/NotificationHelper.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <memory>

namespace platform {
class LogSink;
class AlertPresenter;
class UrlOpener;
} // namespace platform

namespace menubar {

class ProcessRunner;

struct StartServiceResult
{
    bool isServiceRunning = false;
    std::int64_t lastErrorCode = 0;
    bool operator==(const StartServiceResult &) const = default;
};

// The application's one model object: watches the process table for the daemon, publishes
// whether it runs, and starts or stops its launchd job as the superuser.
class ServicesController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isServiceRunning READ isServiceRunning WRITE setIsServiceRunning NOTIFY isServiceRunningChanged)
    Q_PROPERTY(QString iconName READ iconName WRITE setIconName NOTIFY iconNameChanged)
    // Whether the daemon's configuration file is installed, as of the last status check.
    Q_PROPERTY(bool isEnrolled READ isEnrolled NOTIFY isEnrolledChanged)

public:
    struct Dependencies
    {
        ProcessRunner &runner;
        platform::LogSink &log;
        platform::AlertPresenter &alerts;
        platform::UrlOpener &urlOpener;
        contract::AgentPaths paths;
        std::chrono::milliseconds checkInterval{std::chrono::milliseconds(5000)};
    };

    explicit ServicesController(Dependencies dependencies, QObject *parent = nullptr);
    ~ServicesController() override;

    bool isServiceRunning() const { return m_isServiceRunning; }
    void setIsServiceRunning(bool running);
    QString iconName() const { return m_iconName; }
    void setIconName(const QString &name);
    bool isEnrolled() const { return m_isEnrolled; }

    void startChecking();
    void stopChecking();
    void startService();
    void stopService();
    // What the start does on an enrolled machine: if the configuration file is there now, counts the
    // machine as enrolled at once and starts the daemon. For a registration made while the application runs.
    void takeUpConfiguration();

    // Pure pieces, public so that they can be exercised on their own.
    static StartServiceResult parseStartServiceOutput(const QString &output);
    static bool processTableContains(const QString &psOutput, const QString &processName);
    // ps's arguments for a table of every process's command name, as processTableContains reads it.
    static QStringList processTableArguments();
    static QString selfDescription();

signals:
    void objectWillChange();
    void isServiceRunningChanged();
    void iconNameChanged();
    // Only on a change, and without objectWillChange: the file's presence is not the daemon's state, and
    // only the registration entry follows it.
    void isEnrolledChanged();
    // Every check's finding as it is published, changed or not.
    void statusChecked(bool running, bool enrolled);
    // A start or stop of the daemon about to be asked for, and a start that failed for want of Full Disk Access.
    void serviceStartRequested();
    void serviceStopRequested();
    void fullDiskAccessMissing();

private:
    void updateServiceStatus();
    bool isProcessRunning();
    void applyServiceStatus(bool running, bool enrolled);
    void setIsEnrolled(bool enrolled);
    // Counts the machine as enrolled if the configuration file is there; true then.
    bool takeUpEnrolment();
    void logInfo(const QString &text);
    void logError(const QString &text);

    bool m_isServiceRunning = true;
    QString m_iconName;
    bool m_isEnrolled = false;
    ProcessRunner &m_runner;
    platform::LogSink &m_log;
    contract::AgentPaths m_paths;
    std::chrono::milliseconds m_checkInterval;
    // Present only while polling runs.
    std::unique_ptr<QTimer> m_timer;
    NotificationHelper m_notificationHelper;
};

} // namespace menubar
