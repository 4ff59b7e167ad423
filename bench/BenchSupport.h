#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace bench {

// This machine is shared and noisy: figures are medians, never single runs.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

inline double secondsOf(const timespec &time)
{
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

inline double secondsOf(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// Wall time, and CPU time of this process together with every child it has waited for: a child
// process's own CPU only reaches us through RUSAGE_CHILDREN once it has been reaped.
struct Usage
{
    double wallMs = 0.0;
    double cpuMs = 0.0;
};

class Stopwatch
{
public:
    Stopwatch() { restart(); }

    void restart() { m_start = now(); }
    Usage elapsed() const
    {
        const Usage end = now();
        return {end.wallMs - m_start.wallMs, end.cpuMs - m_start.cpuMs};
    }

private:
    static Usage now()
    {
        timespec wall{};
        timespec self{};
        clock_gettime(CLOCK_MONOTONIC, &wall);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &self);
        rusage children{};
        getrusage(RUSAGE_CHILDREN, &children);
        const double cpu = secondsOf(self) + secondsOf(children.ru_utime) + secondsOf(children.ru_stime);
        return {secondsOf(wall) * 1e3, cpu * 1e3};
    }

    Usage m_start;
};

// This process's own resident memory (VmRSS), its high-water mark (VmHWM), and the part of it that is
// anonymous (RssAnon: heap and stacks, no file pages).
struct Memory
{
    double residentMb = 0.0;
    double peakMb = 0.0;
    double anonymousMb = 0.0;
};

inline Memory ownMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    Memory memory;
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    const auto megabytes = [](const QByteArray &line) {
        return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    };
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            memory.residentMb = megabytes(line);
        else if (line.startsWith("VmHWM:"))
            memory.peakMb = megabytes(line);
        else if (line.startsWith("RssAnon:"))
            memory.anonymousMb = megabytes(line);
    }
    return memory;
}

inline const char *verdict(bool met)
{
    return met ? "PASS" : "MISS";
}

// One figure per line, so that run-all can print them as they come.
inline void printFigure(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace bench
