#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace bench {

struct CpuTime
{
    double selfMs = 0.0;     // utime + stime
    double childrenMs = 0.0; // cutime + cstime: the children it has reaped

    double totalMs() const { return selfMs + childrenMs; }
    CpuTime operator-(const CpuTime &other) const { return {selfMs - other.selfMs, childrenMs - other.childrenMs}; }
};

// One tray application under measurement: launched with its output to a file, read through /proc
// while it runs, and ended (then reaped) when asked or when dropped.
class TrayApp
{
public:
    TrayApp(QStringList command, QString outputFile);
    ~TrayApp();
    TrayApp(const TrayApp &) = delete;
    TrayApp &operator=(const TrayApp &) = delete;

    // Throws std::runtime_error when the program cannot be started.
    void launch();
    void terminate();
    pid_t pid() const { return m_pid; }
    bool isRunning() const;

    // For the menu-bar application, the children are every ps it ran. Ticks of 10 ms at most.
    CpuTime cpu() const;
    // VmRSS, in megabytes.
    double residentMb() const;

private:
    QStringList m_command;
    QString m_outputFile;
    pid_t m_pid = 0;
};

} // namespace bench
