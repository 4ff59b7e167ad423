#include "platform/ChildProcess.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1)
        : m_fd(fd)
    {}
    ~FileDescriptor() { close(); }
    FileDescriptor(FileDescriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {}
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        return *this;
    }

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    bool isOpen() const { return m_fd >= 0; }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

struct Pipe
{
    FileDescriptor readEnd;
    FileDescriptor writeEnd;
};

// Both ends close-on-exec, so that no other child started meanwhile keeps them open; the child's own
// copies are made by dup2, which clears the flag on the copy alone.
Pipe makePipe()
{
    int fds[2];
    if (::pipe(fds) != 0)
        throw SystemError(errno);
    Pipe made{FileDescriptor(fds[0]), FileDescriptor(fds[1])};
    for (int fd : fds) {
        if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0)
            throw SystemError(errno);
    }
    return made;
}

// Owns the byte strings that argv and envp point into for the duration of the spawn.
class CStringVector
{
public:
    void append(QByteArray text) { m_storage.push_back(std::move(text)); }
    char **pointers()
    {
        m_pointers.clear();
        for (QByteArray &text : m_storage)
            m_pointers.push_back(text.data());
        m_pointers.push_back(nullptr);
        return m_pointers.data();
    }

private:
    std::vector<QByteArray> m_storage;
    std::vector<char *> m_pointers;
};

class SpawnActions
{
public:
    SpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions &) = delete;
    SpawnActions &operator=(const SpawnActions &) = delete;

    void redirect(const FileDescriptor &from, int to)
    {
        if (int rc = posix_spawn_file_actions_adddup2(&m_actions, from.get(), to); rc != 0)
            throw SystemError(rc);
    }
    posix_spawn_file_actions_t *get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

pid_t spawn(const ChildProcessRequest &request, SpawnActions &actions)
{
    const QByteArray program = QFile::encodeName(request.program);
    CStringVector argv;
    argv.append(program);
    for (const QString &argument : request.arguments)
        argv.append(argument.toUtf8());

    CStringVector envp;
    char **environment = systemEnvironmentTable();
    if (request.environment) {
        for (const QByteArray &entry : request.environment->entries())
            envp.append(entry);
        environment = envp.pointers();
    }

    pid_t pid = 0;
    if (int rc = posix_spawn(&pid, program.constData(), actions.get(), nullptr, argv.pointers(), environment); rc != 0)
        throw SystemError(rc);
    return pid;
}

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

StartedChildProcess::StartedChildProcess(const ChildProcessRequest &request)
{
    Pipe output = makePipe();
    Pipe errors;
    SpawnActions actions;
    actions.redirect(output.writeEnd, STDOUT_FILENO);
    if (request.captureStandardError) {
        errors = makePipe();
        actions.redirect(errors.writeEnd, STDERR_FILENO);
    }
    m_pid = spawn(request, actions);
    // The write ends close with the pipes here: only the child holds them now.
    m_output = output.readEnd.release();
    m_errors = errors.readEnd.release();
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
    const pid_t pid = std::exchange(m_pid, -1);
    FileDescriptor output(std::exchange(m_output, -1));
    FileDescriptor errors(std::exchange(m_errors, -1));

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

ChildProcessResult runChildProcess(const ChildProcessRequest &request)
{
    return StartedChildProcess(request).finish();
}

} // namespace platform
