#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>

namespace bench {

// Watches an X display for a program's item being embedded in the tray host: a top-level window
// of that process moved away from the root window and viewable where it now is. Driven by X
// events (new top-level windows, reparenting, visibility), with a re-check every few milliseconds
// in case an event is not one of those; so the time taken is the embedding's within that step.
class TrayWatcher
{
public:
    // Opens the display named by DISPLAY; throws std::runtime_error without one.
    TrayWatcher();
    ~TrayWatcher();
    TrayWatcher(const TrayWatcher &) = delete;
    TrayWatcher &operator=(const TrayWatcher &) = delete;

    // True as soon as a window of the process is embedded, false when the time is up first.
    bool waitUntilEmbedded(pid_t pid, std::chrono::milliseconds timeout);
    // Asks each of the process's viewable windows outside the tray to close, as a window manager's close
    // button does (WM_DELETE_WINDOW); returns how many were asked.
    int closeWindows(pid_t pid);
    // Drops what is known of the ended process's windows and reads what the display has queued.
    void forget(pid_t pid);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace bench
