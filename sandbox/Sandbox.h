#pragma once

#include "common/AgentPaths.h"

#include <QString>

#include <functional>

namespace installer {
struct ManagedSettingsSource;
}

namespace sandbox {

// A directory that plays the machine: the contract's paths re-rooted under it (the jobs' property lists
// too), stand-ins for launchctl, sudo, pkexec and pkgutil in its bin/, launchd's jobs in its launchd/,
// the package's receipt in its receipts, and the stand-in server's data in its server/.
class Sandbox
{
public:
    explicit Sandbox(QString root);

    const QString &root() const { return m_root; }
    contract::AgentPaths paths() const;

    QString binDirectory() const { return m_root + QStringLiteral("/bin"); }
    QString jobDirectory(const QString &label) const { return m_root + QStringLiteral("/launchd/") + label; }
    QString serverDirectory() const { return m_root + QStringLiteral("/server"); }
    QString logFile() const { return m_root + QStringLiteral("/log/agent.log"); }
    // The menu-bar application's settings, in place of the user's.
    QString settingsFile() const { return m_root + QStringLiteral("/settings/kelvane-os-agent.ini"); }
    QString authoriseLog() const { return m_root + QStringLiteral("/authorise.log"); }
    // The stand-in launchctl's "asuser" calls, one line each.
    QString asUserLog() const { return m_root + QStringLiteral("/asuser.log"); }
    // The package receipts that the stand-in pkgutil keeps, one identifier a line.
    QString receiptsFile() const { return m_root + QStringLiteral("/receipts"); }
    // The system settings file of managed values, re-rooted; a fresh sandbox has none.
    QString managedSettingsFile() const;
    // That file as the programs' source of managed values, in place of the system's.
    std::function<installer::ManagedSettingsSource()> managedSettingsSource() const;

    // Lays out a fresh sandbox with the stand-ins and the two jobs.
    bool create() const;

    // "allow" or "cancel" answers authorisations by itself; empty asks with a dialog.
    void setAuthoriseAnswer(const QString &answer) const;
    void setFullDiskAccess(bool granted) const;
    void setAccounts(const QList<QPair<QString, QString>> &loginsAndPasswords) const;
    // Writes the managed settings file with these keys and values; none removes it.
    void setManagedSettings(const QList<QPair<QString, QString>> &keysAndValues) const;
    // The stand-in server's port once it listens, or 0.
    int serverPort() const;

    // The job list line of the daemon's job as the stand-in launchctl prints it, or empty.
    QString daemonJobLine() const;
    // The daemon's job has a process, as the job list shows it.
    bool isDaemonRunning() const;

private:
    QString m_root;
};

} // namespace sandbox
