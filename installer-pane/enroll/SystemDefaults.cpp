#include "installer-pane/enroll/SystemDefaults.h"

#include <QFile>

#include <optional>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <utmpx.h>

namespace installer {

namespace {

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return; // nowhere left to say so
        written += count;
    }
}

// Up to the end of the input, or up to the end of the first line.
QByteArray readFrom(int input, bool oneLine)
{
    QByteArray bytes;
    char buffer[4096];
    while (!oneLine || !bytes.endsWith('\n')) {
        const ssize_t count = ::read(input, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break; // a closed or unreadable input gives what came so far, which may be empty
        bytes.append(buffer, count);
    }
    return bytes;
}

// Every way out of the prompt that would otherwise leave the terminal without echo: ended (INT, TERM, HUP, QUIT)
// or stopped (TSTP, TTIN, TTOU; CONT resumes us where the prompt is asked again).
constexpr std::array kPromptSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP, SIGTTIN, SIGTTOU};

// Which of them were caught while the prompt holds the terminal, by their place above. A signal handler can pass
// word only through a static, so this is the one the command has; it is cleared at each prompt and read after it.
volatile sig_atomic_t g_caught[kPromptSignals.size()]; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

void noteSignal(int signal)
{
    for (std::size_t i = 0; i < kPromptSignals.size(); ++i) {
        if (kPromptSignals[i] == signal)
            g_caught[i] = 1;
    }
}

bool caughtAny()
{
    return std::any_of(std::begin(g_caught), std::end(g_caught), [](sig_atomic_t caught) { return caught != 0; });
}

// One line, or what came before a signal was caught.
QByteArray readLineUntilSignal(int input)
{
    QByteArray bytes;
    char buffer[4096];
    while (!bytes.endsWith('\n') && !caughtAny()) {
        const ssize_t count = ::read(input, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue; // the loop's condition tells a caught signal from another
        if (count <= 0)
            break;
        bytes.append(buffer, count);
    }
    return bytes;
}

// Asks once with echo off and puts the terminal back as it was, whatever ends the prompt. A signal caught meanwhile
// is raised again once the terminal is back, with the disposition the program had: an end ends us as it would
// have, a stop stops us, and then there is no line (none is returned).
std::optional<QByteArray> promptOnce(int input, const termios &typed, const QByteArray &prompt)
{
    std::array<struct sigaction, kPromptSignals.size()> previous = {};
    for (std::size_t i = 0; i < kPromptSignals.size(); ++i) {
        g_caught[i] = 0;
        struct sigaction catching = {};
        catching.sa_handler = noteSignal; // no SA_RESTART: read() returns so the loop sees the signal
        sigemptyset(&catching.sa_mask);
        ::sigaction(kPromptSignals[i], &catching, &previous[i]);
        if (previous[i].sa_handler == SIG_IGN) // what the caller ignores stays ignored
            ::sigaction(kPromptSignals[i], &previous[i], nullptr);
    }
    // Echo off before the prompt shows, so that nothing typed after it is echoed; the line's end is echoed still.
    termios hidden = typed;
    hidden.c_lflag = (hidden.c_lflag & ~tcflag_t(ECHO)) | ECHONL;
    const bool silenced = ::tcsetattr(input, TCSAFLUSH, &hidden) == 0;
    const char *name = ::ttyname(input);
    const int terminal = name ? ::open(name, O_WRONLY | O_NOCTTY | O_CLOEXEC) : -1;
    if (terminal >= 0) {
        writeAll(terminal, prompt);
        ::close(terminal);
    }
    // The terminal hands over one line at a time: read to its end, and no further.
    const QByteArray line = readLineUntilSignal(input);
    if (silenced)
        ::tcsetattr(input, TCSANOW, &typed);

    bool stopped = false;
    for (std::size_t i = 0; i < kPromptSignals.size(); ++i) {
        ::sigaction(kPromptSignals[i], &previous[i], nullptr);
        if (g_caught[i] == 0)
            continue;
        ::raise(kPromptSignals[i]);
        const int signal = kPromptSignals[i];
        stopped = stopped || signal == SIGTSTP || signal == SIGTTIN || signal == SIGTTOU;
    }
    return stopped ? std::nullopt : std::optional<QByteArray>(line);
}

} // namespace

QByteArray readStandardInput(int input, const QByteArray &prompt)
{
    termios typed = {};
    if (::isatty(input) == 0 || ::tcgetattr(input, &typed) != 0)
        return readFrom(input, false);
    for (;;) {
        const std::optional<QByteArray> line = promptOnce(input, typed, prompt);
        if (line)
            return *line;
        // Stopped at the prompt and continued: ask again, with echo off again.
    }
}

void writeStandardOutput(const QByteArray &bytes)
{
    writeAll(STDOUT_FILENO, bytes);
}

void writeStandardError(const QByteArray &bytes)
{
    writeAll(STDERR_FILENO, bytes);
}

std::optional<uint> consoleUserOf(const QString &consoleDevice)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(consoleDevice).constData(), &status) != 0 || status.st_uid == 0)
        return std::nullopt;
    return uint(status.st_uid);
}

QList<uint> loggedInUsers()
{
    QList<uint> users;
    ::setutxent();
    while (const utmpx *entry = ::getutxent()) {
        if (entry->ut_type != USER_PROCESS)
            continue;
        const QByteArray name(entry->ut_user, qsizetype(::strnlen(entry->ut_user, sizeof entry->ut_user)));
        const passwd *account = ::getpwnam(name.constData());
        if (account && account->pw_uid != 0 && !users.contains(account->pw_uid))
            users << account->pw_uid;
    }
    ::endutxent();
    return users;
}

} // namespace installer
