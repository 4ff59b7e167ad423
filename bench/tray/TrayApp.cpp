#include "bench/tray/TrayApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace bench {

namespace {

QByteArray procFile(pid_t pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TrayApp::TrayApp(QStringList command, QString outputFile)
    : m_command(std::move(command))
    , m_outputFile(std::move(outputFile))
{}

TrayApp::~TrayApp()
{
    terminate();
}

void TrayApp::launch()
{
    std::vector<QByteArray> storage;
    for (const QString &part : m_command)
        storage.push_back(QFile::encodeName(part));
    std::vector<char *> argv;
    for (QByteArray &part : storage)
        argv.push_back(part.data());
    argv.push_back(nullptr);
    const QByteArray output = QFile::encodeName(m_outputFile);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    const int rc = posix_spawn(&m_pid, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_pid = 0;
        throw std::runtime_error(std::string("cannot start ") + argv.front() + ": " + std::strerror(rc));
    }
}

void TrayApp::terminate()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = 0;
}

bool TrayApp::isRunning() const
{
    // Not reaped here, so that the figures can still be read: an ended process is a zombie until then.
    const QByteArray stat = procFile(m_pid, "stat");
    const qsizetype state = stat.lastIndexOf(')') + 2;
    return m_pid > 0 && state > 1 && state < stat.size() && stat.at(state) != 'Z';
}

CpuTime TrayApp::cpu() const
{
    // The command name may hold blanks and parentheses: the fields start after its last ')'.
    const QByteArray stat = procFile(m_pid, "stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // Counted from the state (the line's 3rd field), utime (its 14th) is at index 11, then stime, cutime, cstime.
    if (fields.size() < 15)
        return {};
    const double msPerTick = 1000.0 / double(sysconf(_SC_CLK_TCK));
    // The process's own share in 10 ms ticks is too coarse for a program that wakes for a moment every 5 s.
    double selfNs = 0.0;
    for (const QFileInfo &task :
         QDir(QStringLiteral("/proc/%1/task").arg(m_pid)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(task.filePath() + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            selfNs += schedstat.readAll().split(' ').first().toDouble();
    }
    return {selfNs / 1e6, (fields.at(13).toDouble() + fields.at(14).toDouble()) * msPerTick};
}

double TrayApp::statusKb(const char *key) const
{
    for (const QByteArray &line : procFile(m_pid, "status").split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toDouble();
    }
    return 0.0;
}

double TrayApp::residentMb() const
{
    return statusKb("VmRSS:") / 1024.0;
}

double TrayApp::privateMb() const
{
    return (statusKb("RssAnon:") + statusKb("RssShmem:")) / 1024.0;
}

} // namespace bench
