#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/enroll/EnrollOutcome.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace installer {

// Takes Kelvane OS Agent off this machine, as root: boots out the menu-bar application's job in each user's
// session and the daemon's job in the system's, ends every process still running from the application bundle (a
// menu-bar application opened by hand), then removes both jobs' property lists, the application, the
// daemon's logs, the configuration (unless it is to be kept) and the package's receipt. What is not there is
// skipped, so a second run finds nothing left to do and succeeds. Every step is tried; the report names what
// was removed, one line each, and what could not be.
class Uninstall
{
    Q_DECLARE_TR_FUNCTIONS(installer::Uninstall)

public:
    explicit Uninstall(contract::AgentPaths paths);

    EnrollOutcome run(const QList<uint> &users, bool keepConfiguration) const;

private:
    struct Report;
    void bootOut(const QString &target, const QString &removedLine, Report &report) const;
    bool isLoaded(const QString &target) const;
    void endProcessesInBundle(Report &report) const;
    void remove(const QString &path, Report &report) const;
    void forgetReceipts(Report &report) const;

    contract::AgentPaths m_paths;
};

} // namespace installer
