#include "sandbox/SandboxSession.h"

#include "platform/ChildProcess.h"
#include "sandbox/SandboxTools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace sandbox {

SandboxSession::SandboxSession(const Sandbox &box)
    : m_box(box)
{}

SandboxSession::~SandboxSession()
{
    stop();
}

bool SandboxSession::startServer()
{
    QFile::remove(m_box.serverDirectory() + QStringLiteral("/port"));
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QString::fromUtf8(tools::kServer), {m_box.serverDirectory()});
    return m_server.waitForStarted() && waitUntil([this] { return m_box.serverPort() > 0; }, 5000);
}

void SandboxSession::stopServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(3000))
        m_server.kill();
    m_server.waitForFinished(1000);
}

QString SandboxSession::serverAddress() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_box.serverPort());
}

void SandboxSession::stopJobs()
{
    // The menu-bar application first, so that it does not start the daemon again meanwhile.
    for (const std::string_view label : {contract::kGuiAgentLabel, contract::kServiceLabel}) {
        try {
            platform::runChildProcess(
                {m_box.paths().launchctl, {QStringLiteral("stop"), contract::toQString(label)}, std::nullopt});
        } catch (const platform::SystemError &) {
        }
    }
}

void SandboxSession::stop()
{
    stopJobs();
    stopServer();
}

bool SandboxSession::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}

} // namespace sandbox
