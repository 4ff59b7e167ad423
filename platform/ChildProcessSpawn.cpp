#include "platform/ChildProcessSpawn.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

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

} // namespace

SpawnedChild spawnChild(const ChildProcessRequest &request)
{
    Pipe output = makePipe();
    Pipe errors;
    SpawnActions actions;
    actions.redirect(output.writeEnd, STDOUT_FILENO);
    if (request.captureStandardError) {
        errors = makePipe();
        actions.redirect(errors.writeEnd, STDERR_FILENO);
    }
    const pid_t pid = spawn(request, actions);
    // The write ends close with the pipes here: only the child holds them now.
    return {pid, std::move(output.readEnd), std::move(errors.readEnd)};
}

} // namespace platform
