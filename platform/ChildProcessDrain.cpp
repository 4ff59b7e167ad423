#include "platform/ChildProcessDrain.h"

#include <cerrno>
#include <optional>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

// Reads one chunk from a pipe that poll() found ready; closes it at end of file. Returns an errno or 0.
int readChunk(FileDescriptor &pipe, QByteArray &into)
{
    char buffer[65536];
    const ssize_t n = ::read(pipe.get(), buffer, sizeof buffer);
    if (n > 0)
        into.append(buffer, qsizetype(n));
    else if (n == 0)
        pipe.close();
    else if (errno != EINTR && errno != EAGAIN)
        return errno;
    return 0;
}

// Leaves the child's raw wait status in ended once it has ended. Returns an errno or 0.
int reapIfEnded(pid_t pid, std::optional<int> &ended)
{
    int rawStatus = 0;
    const pid_t reaped = ::waitpid(pid, &rawStatus, WNOHANG);
    if (reaped == pid)
        ended = rawStatus;
    return reaped < 0 && errno != EINTR ? errno : 0;
}

// Reads one chunk from each pipe that poll() found ready. Returns an errno or 0.
int readReady(const pollfd (&fds)[2], FileDescriptor &out, QByteArray &output, FileDescriptor &err,
              QByteArray &errorOutput)
{
    if (fds[0].revents != 0) {
        if (int error = readChunk(out, output))
            return error;
    }
    return fds[1].revents != 0 ? readChunk(err, errorOutput) : 0;
}

// How often, once standard output has ended, we look whether the child has ended too.
constexpr int kEndCheckMilliseconds = 10;

// Reads standard output to its end and standard error alongside, so that neither pipe can fill up and stall the
// child. Standard error does not keep us past the child's end, as a child of its own may hold it open for as long
// as that one lives: once standard output has ended, standard error is read until the child has ended, then once
// more for what is there. Returns an errno or 0.
int drain(pid_t pid, FileDescriptor &out, QByteArray &output, FileDescriptor &err, QByteArray &errorOutput,
          std::optional<int> &ended)
{
    while (out.isOpen() || err.isOpen()) {
        if (!out.isOpen() && !ended) {
            if (int error = reapIfEnded(pid, ended))
                return error;
        }
        pollfd fds[2] = {{out.get(), POLLIN, 0}, {err.get(), POLLIN, 0}}; // poll skips a negative descriptor
        const int ready = ::poll(fds, 2, out.isOpen() ? -1 : (ended ? 0 : kEndCheckMilliseconds));
        if (ready < 0 && errno != EINTR)
            return errno;
        if (int error = ready > 0 ? readReady(fds, out, output, err, errorOutput) : 0)
            return error;
        if (ended)
            break;
    }
    return 0;
}

int waitForChild(pid_t pid)
{
    int rawStatus = 0;
    while (::waitpid(pid, &rawStatus, 0) < 0) {
        if (errno != EINTR)
            throw SystemError(errno);
    }
    return rawStatus;
}

} // namespace

ChildProcessResult drainAndReap(pid_t pid, FileDescriptor output, FileDescriptor errors)
{
    ChildProcessResult result;
    std::optional<int> ended;
    const int readError = drain(pid, output, result.output, errors, result.errorOutput, ended);
    // Closing before the wait lets a child still writing end on SIGPIPE instead of blocking us.
    output.close();
    errors.close();

    const int rawStatus = ended ? *ended : waitForChild(pid);
    if (readError != 0)
        throw SystemError(readError);
    result.signalled = WIFSIGNALED(rawStatus);
    result.status = result.signalled ? WTERMSIG(rawStatus) : WEXITSTATUS(rawStatus);
    return result;
}

} // namespace platform
