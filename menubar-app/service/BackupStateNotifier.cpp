#include "menubar-app/service/BackupStateNotifier.h"

#include "platform/LogSink.h"
#include "platform/UserNotifier.h"

#include <QLocale>

namespace menubar {

namespace {

const QString kSelf = QStringLiteral("Kelvane_OS_Agent.BackupStateNotifier");

} // namespace

BackupStateNotifier::BackupStateNotifier(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_notifier(dependencies.notifier)
    , m_log(dependencies.log)
    , m_isEnabled(std::move(dependencies.isEnabled))
    , m_now(std::move(dependencies.now))
{
    connect(&m_notifier, &platform::UserNotifier::actionInvoked, this, [this] {
        if (m_notified)
            emit startBackupsRequested();
    });
}

void BackupStateNotifier::statusChecked(bool running, bool enrolled)
{
    if (running) {
        m_expectRunning = true;
        m_stoppedChecks = 0;
        if (m_notified) {
            m_notified = false;
            m_log.write(platform::LogLevel::Info, kSelf + QStringLiteral(" backups resumed"));
            m_notifier.notify({tr("Backups have resumed"),
                               tr("The Kelvane OS Agent service is running again: this computer is backed up."),
                               {}});
        }
        return;
    }
    if (++m_stoppedChecks == 1)
        m_stoppedSince = m_now();
    // One check may fall between a stop and a start that the system makes itself.
    if (m_stoppedChecks < 2 || !m_expectRunning || !enrolled || m_notified)
        return;
    m_expectRunning = false;
    if (!m_isEnabled()) {
        m_log.write(platform::LogLevel::Info, kSelf + QStringLiteral(" backups stopped; notifications are off"));
        return;
    }
    m_notified = true;
    m_log.write(platform::LogLevel::Info, kSelf + QStringLiteral(" backups stopped"));
    m_notifier.notify({tr("Backups have stopped"),
                       tr("The Kelvane OS Agent service has not been running since %1: this computer is not "
                          "being backed up.")
                           .arg(QLocale().toString(m_stoppedSince, QLocale::ShortFormat)),
                       tr("Start Backups")});
}

void BackupStateNotifier::startRequested()
{
    // Two checks after the start must find it not running before that is news.
    m_expectRunning = true;
    m_stoppedChecks = 0;
}

void BackupStateNotifier::stopRequested()
{
    m_expectRunning = false;
}

void BackupStateNotifier::fullDiskAccessMissing()
{
    m_expectRunning = false;
}

} // namespace menubar
