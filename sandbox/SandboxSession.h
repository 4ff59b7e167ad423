#pragma once

#include "sandbox/Sandbox.h"

#include <QProcess>

#include <functional>

namespace sandbox {

// What runs in a sandbox while it is in use: the stand-in server and the launchd jobs. Stopping
// the session (or dropping it) stops every one of them.
class SandboxSession
{
public:
    explicit SandboxSession(const Sandbox &box);
    ~SandboxSession();
    SandboxSession(const SandboxSession &) = delete;
    SandboxSession &operator=(const SandboxSession &) = delete;

    // Starts the stand-in server and waits until it listens.
    bool startServer();
    void stopServer();
    QString serverAddress() const;
    // Stops the launchd jobs: the menu-bar application, then the daemon.
    void stopJobs();
    void stop();

    // Keeps the event loop turning until the condition holds or the time is up.
    static bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

private:
    const Sandbox &m_box;
    QProcess m_server;
};

} // namespace sandbox
