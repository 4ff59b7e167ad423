#pragma once

#include <sys/types.h>

struct _XDisplay; // Xlib's Display, whose header defines macros that clash with Qt's names

namespace bench {

// What a long-lived process holds at one moment, read from /proc and, for its X resources, from the
// X server's resource extension.
struct ProcessSample
{
    double anonymousMb = 0.0; // RssAnon: heap and stacks, what a leak grows
    int descriptors = 0;
    int threads = 0;
    int children = 0;       // besides a status check's listing in flight
    long xResources = -1;   // windows, pixmaps, pictures... of its X client; -1 when not known
    double xPixmapMb = 0.0; // the bytes of its pixmaps in the X server
};

// Needs DISPLAY for the X figures; without a display they stay unknown.
class ProcessSampler
{
public:
    ProcessSampler();
    ~ProcessSampler();
    ProcessSampler(const ProcessSampler &) = delete;
    ProcessSampler &operator=(const ProcessSampler &) = delete;

    ProcessSample sample(pid_t pid) const;

private:
    void readXResources(pid_t pid, ProcessSample &into) const;

    _XDisplay *m_display = nullptr;
};

} // namespace bench
