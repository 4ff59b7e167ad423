#include "platform/ChildProcess.h"

#include "platform/ChildProcessDrain.h"
#include "platform/ChildProcessSpawn.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <utility>

namespace platform {

SystemError::SystemError(int code)
    : m_code(code)
{}

QString SystemError::message() const
{
    return QString::fromLocal8Bit(std::strerror(m_code));
}

const char *SystemError::what() const noexcept
{
    return std::strerror(m_code);
}

StartedChildProcess::StartedChildProcess(const ChildProcessRequest &request)
{
    SpawnedChild child = spawnChild(request);
    m_pid = child.pid;
    m_output = child.output.release();
    m_errors = child.errors.release();
}

StartedChildProcess::~StartedChildProcess()
{
    if (m_pid < 0)
        return;
    FileDescriptor(m_output).close();
    FileDescriptor(m_errors).close();
    ::kill(m_pid, SIGKILL);
    int rawStatus = 0;
    while (::waitpid(m_pid, &rawStatus, 0) < 0 && errno == EINTR) {
    }
}

ChildProcessResult StartedChildProcess::finish()
{
    // Waiting for pid -1 would reap any child of ours.
    if (m_pid < 0)
        throw SystemError(ECHILD);
    return drainAndReap(std::exchange(m_pid, -1), FileDescriptor(std::exchange(m_output, -1)),
                        FileDescriptor(std::exchange(m_errors, -1)));
}

ChildProcessResult runChildProcess(const ChildProcessRequest &request)
{
    return StartedChildProcess(request).finish();
}

} // namespace platform
