#pragma once

#include <QString>

#include <sys/types.h>
#include <vector>

namespace bench {

// Idle children that fill the process table. Each is ended by its PID, SIGTERM first and SIGKILL
// after a grace period, and reaped, when endAll() runs or this object goes, on every path out.
class IdleProcesses
{
public:
    explicit IdleProcesses(QString program);
    ~IdleProcesses();
    IdleProcesses(const IdleProcesses &) = delete;
    IdleProcesses &operator=(const IdleProcesses &) = delete;

    // Starts children until `count` run. Returns why it stopped short, or an empty string; when it
    // stops short, it ends a few of them again so that the listing to be measured can still start.
    QString growTo(int count);
    int count() const { return int(m_pids.size()); }

    struct Ended
    {
        int count = 0;
        int killed = 0; // of those, how many needed SIGKILL
    };
    Ended endAll();

private:
    QString m_program;
    std::vector<pid_t> m_pids;
};

// The limits that bound how many processes we may start, for a message when a count is not reached.
QString processLimits();

} // namespace bench
