#include "ChildProcess.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char **environ;

namespace platform {

SystemError::SystemError(int code)
    : m_code(code)
{
}

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
    {
    }
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        return *this;
    }

    int get() const { return m_fd; }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

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
    posix_spawn_file_actions_t *get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

int waitForChild(pid_t pid)
{
    int rawStatus = 0;
    while (waitpid(pid, &rawStatus, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return rawStatus;
}

} // namespace

namespace {

// Reads both pipes until each reaches end of file, so that neither can fill up and stall the child.
int drain(FileDescriptor &out, QByteArray &output, FileDescriptor &err, QByteArray &errorOutput)
{
    char buffer[65536];
    for (;;) {
        pollfd fds[2];
        nfds_t count = 0;
        if (out.get() >= 0)
            fds[count++] = {out.get(), POLLIN, 0};
        if (err.get() >= 0)
            fds[count++] = {err.get(), POLLIN, 0};
        if (count == 0)
            return 0;
        if (poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        for (nfds_t i = 0; i < count; ++i) {
            if (fds[i].revents == 0)
                continue;
            const bool isOut = fds[i].fd == out.get();
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0)
                (isOut ? output : errorOutput).append(buffer, qsizetype(n));
            else if (n == 0)
                (isOut ? out : err).close();
            else if (errno != EINTR && errno != EAGAIN)
                return errno;
        }
    }
}

} // namespace

ChildProcessResult runChildProcess(const ChildProcessRequest &request)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw SystemError(errno);
    FileDescriptor readEnd(fds[0]);
    FileDescriptor writeEnd(fds[1]);
    FileDescriptor errorReadEnd;
    FileDescriptor errorWriteEnd;
    if (request.captureStandardError) {
        if (pipe2(fds, O_CLOEXEC) != 0)
            throw SystemError(errno);
        errorReadEnd = FileDescriptor(fds[0]);
        errorWriteEnd = FileDescriptor(fds[1]);
    }

    SpawnActions actions;
    // dup2 clears close-on-exec on the child's copy only; the originals stay close-on-exec.
    if (int rc = posix_spawn_file_actions_adddup2(actions.get(), writeEnd.get(), STDOUT_FILENO); rc != 0)
        throw SystemError(rc);
    if (errorWriteEnd.get() >= 0) {
        if (int rc = posix_spawn_file_actions_adddup2(actions.get(), errorWriteEnd.get(), STDERR_FILENO); rc != 0)
            throw SystemError(rc);
    }

    const QByteArray program = QFile::encodeName(request.program);
    CStringVector argv;
    argv.append(program);
    for (const QString &argument : request.arguments)
        argv.append(argument.toUtf8());

    CStringVector envp;
    char **environment = environ;
    if (request.environment) {
        for (const QString &entry : request.environment->toStringList())
            envp.append(entry.toUtf8());
        environment = envp.pointers();
    }

    pid_t pid = 0;
    if (int rc = posix_spawn(&pid, program.constData(), actions.get(), nullptr, argv.pointers(), environment);
        rc != 0) {
        throw SystemError(rc);
    }
    writeEnd.close();
    errorWriteEnd.close();

    ChildProcessResult result;
    const int readError = drain(readEnd, result.output, errorReadEnd, result.errorOutput);
    // Closing before the wait lets a child still writing end on SIGPIPE instead of blocking us.
    readEnd.close();
    errorReadEnd.close();

    const int rawStatus = waitForChild(pid);
    if (readError != 0)
        throw SystemError(readError);
    if (rawStatus < 0)
        throw SystemError(ECHILD);
    if (WIFSIGNALED(rawStatus)) {
        result.status = WTERMSIG(rawStatus);
        result.signalled = true;
    } else {
        result.status = WEXITSTATUS(rawStatus);
    }
    return result;
}

} // namespace platform
