#include "bench/tray/TrayWatcher.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <map>
#include <poll.h>
#include <stdexcept>

namespace bench {

namespace {

constexpr int kRecheckMs = 5;

// Windows come and go under our feet; a request about one already destroyed is not an error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

struct TrayWatcher::Private
{
    Display *display = nullptr;
    Window root = 0;
    Atom pidAtom = 0;
    // Top-level windows seen created, with the process they belong to once known (0 before).
    std::map<Window, pid_t> windows;

    void watch(Window window)
    {
        if (windows.emplace(window, 0).second)
            XSelectInput(display, window, StructureNotifyMask | VisibilityChangeMask | PropertyChangeMask);
    }

    pid_t ownerOf(Window window)
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char *data = nullptr;
        pid_t pid = 0;
        if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                               &data) == Success &&
            data != nullptr && format == 32 && count == 1)
            pid = pid_t(*reinterpret_cast<unsigned long *>(data));
        if (data != nullptr)
            XFree(data);
        return pid;
    }

    bool isEmbedded(Window window)
    {
        Window windowRoot = 0;
        Window parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, window, &windowRoot, &parent, &children, &count) == 0)
            return false;
        if (children != nullptr)
            XFree(children);
        XWindowAttributes attributes{};
        return parent != root && XGetWindowAttributes(display, window, &attributes) != 0 &&
               attributes.map_state == IsViewable;
    }

    bool anyEmbedded(pid_t pid)
    {
        for (auto &[window, owner] : windows) {
            if (owner == 0)
                owner = ownerOf(window);
            if (owner == pid && isEmbedded(window))
                return true;
        }
        return false;
    }

    void readEvents()
    {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root)
                watch(event.xcreatewindow.window);
            else if (event.type == DestroyNotify)
                windows.erase(event.xdestroywindow.window);
        }
    }
};

TrayWatcher::TrayWatcher()
    : d(std::make_unique<Private>())
{
    d->display = XOpenDisplay(nullptr);
    if (d->display == nullptr)
        throw std::runtime_error("cannot open the X display");
    XSetErrorHandler(ignoreErrors);
    d->root = DefaultRootWindow(d->display);
    d->pidAtom = XInternAtom(d->display, "_NET_WM_PID", False);
    XSelectInput(d->display, d->root, SubstructureNotifyMask);
    XSync(d->display, False);
}

TrayWatcher::~TrayWatcher()
{
    XCloseDisplay(d->display);
}

bool TrayWatcher::waitUntilEmbedded(pid_t pid, std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        d->readEvents();
        if (d->anyEmbedded(pid))
            return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd connection{ConnectionNumber(d->display), POLLIN, 0};
        poll(&connection, 1, int(std::min<long long>(left, kRecheckMs)));
    }
}

int TrayWatcher::closeWindows(pid_t pid)
{
    XSync(d->display, False);
    d->readEvents();
    const Atom protocols = XInternAtom(d->display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(d->display, "WM_DELETE_WINDOW", False);
    int asked = 0;
    for (auto &[window, owner] : d->windows) {
        if (owner == 0)
            owner = d->ownerOf(window);
        XWindowAttributes attributes{};
        if (owner != pid || d->isEmbedded(window) || XGetWindowAttributes(d->display, window, &attributes) == 0 ||
            attributes.map_state != IsViewable)
            continue;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(d->display, window, False, NoEventMask, &event);
        ++asked;
    }
    XFlush(d->display);
    return asked;
}

void TrayWatcher::forget(pid_t pid)
{
    XSync(d->display, False);
    d->readEvents();
    std::erase_if(d->windows, [pid](const auto &entry) { return entry.second == pid; });
}

} // namespace bench
