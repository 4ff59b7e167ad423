#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace bench {

struct CpuTime
{
    double selfMs = 0.0;     // time on a CPU of its threads, to the nanosecond (schedstat)
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
    // Its private part, RssAnon + RssShmem (the heap, stacks and shared-memory window buffers), without
    // the pages of libraries and fonts, which the kernel shares and takes back from a file when it needs to.
    double privateMb() const;

private:
    double statusKb(const char *key) const;

    QStringList m_command;
    QString m_outputFile;
    pid_t m_pid = 0;
};

} // namespace bench
