#include "bench/poll-cost/IdleProcesses.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace bench {

namespace {

constexpr auto kGracePeriod = std::chrono::seconds(2);
constexpr auto kReapStep = std::chrono::milliseconds(5);
constexpr std::size_t kHeadroom = 16;

// Reaps those of `pids` that have ended and keeps the rest.
void reapEnded(std::vector<pid_t> &pids)
{
    std::erase_if(pids, [](pid_t pid) {
        const pid_t reaped = ::waitpid(pid, nullptr, WNOHANG);
        return reaped == pid || (reaped < 0 && errno == ECHILD);
    });
}

// SIGTERM to each, SIGKILL to those still there after the grace period, and every one reaped.
// Returns how many needed SIGKILL.
int endProcesses(std::vector<pid_t> pids)
{
    for (pid_t pid : pids)
        ::kill(pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kGracePeriod;
    reapEnded(pids);
    while (!pids.empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kReapStep);
        reapEnded(pids);
    }
    for (pid_t pid : pids) {
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    return int(pids.size());
}

} // namespace

IdleProcesses::IdleProcesses(QString program)
    : m_program(std::move(program))
{}

IdleProcesses::~IdleProcesses()
{
    endAll();
}

QString IdleProcesses::growTo(int count)
{
    QByteArray program = QFile::encodeName(m_program);
    QByteArray parent = QByteArray::number(qint64(::getpid()));
    char *argv[] = {program.data(), parent.data(), nullptr};
    m_pids.reserve(std::size_t(count));
    while (this->count() < count) {
        pid_t pid = 0;
        // glibc's posix_spawn shares our memory until the exec, so our size does not slow it down.
        if (int rc = posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ); rc != 0) {
            // The limit that stopped us would stop ps as well.
            const std::size_t kept = m_pids.size() - std::min(m_pids.size(), kHeadroom);
            endProcesses({m_pids.begin() + std::ptrdiff_t(kept), m_pids.end()});
            m_pids.resize(kept);
            return QString::fromLocal8Bit(std::strerror(rc));
        }
        m_pids.push_back(pid);
    }
    return {};
}

IdleProcesses::Ended IdleProcesses::endAll()
{
    const Ended ended{count(), endProcesses(std::move(m_pids))};
    m_pids.clear();
    return ended;
}

QString processLimits()
{
    rlimit processes{};
    ::getrlimit(RLIMIT_NPROC, &processes);
    QFile pidMax(QStringLiteral("/proc/sys/kernel/pid_max"));
    const QByteArray pidMaxText = pidMax.open(QIODevice::ReadOnly) ? pidMax.readAll().trimmed() : "unknown";
    const QString perUser = processes.rlim_cur == RLIM_INFINITY ? QStringLiteral("unlimited")
                                                                : QString::number(qulonglong(processes.rlim_cur));
    return QStringLiteral("ulimit -u %1, pid_max %2, uid %3")
        .arg(perUser, QString::fromLatin1(pidMaxText))
        .arg(::getuid());
}

} // namespace bench
