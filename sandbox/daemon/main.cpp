// Stand-in for the agent daemon qmx-osagent.
//   qmx-osagent -r LOGIN HOST:PORT PASSWORD -n NAME          register with the stand-in server
//   qmx-osagent -e GUID LOGIN HOST:PORT PASSWORD -n NAME     register again under an agent's GUID
//   qmx-osagent                                              be the agent until stopped
// Registration exits 5 when the address is not HOST:PORT, 3 when nothing answers within two seconds,
// 4 when the server refuses, 0 after writing .qmx-osagent.cfg into OS_AGENT_DATA_PATH; other misuse
// exits 1. The agent exits 6 at once while $KELVANE_SANDBOX/no-full-disk-access exists.
//
// Tests may also set, in the environment it inherits:
//   QMX_STANDIN_RECORD_DIR   directory receiving, for a run with arguments, "arguments" (argv[1..]) and
//                            "environment" (NAME=value entries), each entry ended by a NUL byte (the
//                            agent's runs are not recorded: a registration's start of it would overwrite);
//   QMX_STANDIN_OUTPUT, QMX_STANDIN_EXIT_STATUS, QMX_STANDIN_SIGNAL: print this, then end with this
//                            status or signal, instead of doing anything of the above;
//   QMX_STANDIN_ERRORS, QMX_STANDIN_STAGE: with those, also print this on standard error, and write
//                            this as .qmx-osagent.cfg into OS_AGENT_DATA_PATH.

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <netdb.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

void record(const std::string &file, char **entries)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (; *entries != nullptr; ++entries)
        out << *entries << '\0';
}

int scripted()
{
    if (const char *output = std::getenv("QMX_STANDIN_OUTPUT"))
        std::fputs(output, stdout);
    std::fflush(stdout);
    if (const char *errors = std::getenv("QMX_STANDIN_ERRORS"))
        std::fputs(errors, stderr);
    const char *stage = std::getenv("QMX_STANDIN_STAGE");
    const char *dataPath = std::getenv("OS_AGENT_DATA_PATH");
    if (stage && dataPath)
        std::ofstream(std::string(dataPath) + "/.qmx-osagent.cfg", std::ios::trunc) << stage;
    if (const char *signal = std::getenv("QMX_STANDIN_SIGNAL")) {
        const rlimit noCore{0, 0}; // SIGQUIT and its kind would otherwise leave a core file behind
        setrlimit(RLIMIT_CORE, &noCore);
        std::signal(std::atoi(signal), SIG_DFL);
        std::raise(std::atoi(signal));
    }
    const char *status = std::getenv("QMX_STANDIN_EXIT_STATUS");
    return status != nullptr ? std::atoi(status) : 0;
}

int fail(int status, const std::string &message)
{
    std::printf("qmx-osagent: %s\n", message.c_str());
    return status;
}

std::string percentEncoded(const std::string &text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += char(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}

// Connects within the time left; -1 when nothing answers.
int connectTo(const std::string &host, const std::string &port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *addresses = nullptr;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &addresses) != 0)
        return -1;
    int fd = -1;
    for (addrinfo *a = addresses; a != nullptr && fd < 0; a = a->ai_next) {
        fd = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (fd < 0)
            continue;
        // Non-blocking for the bounded connect. Set afterwards, as macOS has no socket type flags for it.
        if (fcntl(fd, F_SETFD, FD_CLOEXEC) != 0 || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
            close(fd);
            fd = -1;
            continue;
        }
        pollfd p{fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        const bool connected = (connect(fd, a->ai_addr, a->ai_addrlen) == 0 || errno == EINPROGRESS) &&
                               poll(&p, 1, 2000) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 &&
                               error == 0;
        if (!connected) {
            close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(addresses);
    return fd;
}

// Sends one request line and returns the answer line, or empty when none came within two seconds.
std::string exchange(int fd, const std::string &request)
{
    if (send(fd, request.data(), request.size(), 0) != ssize_t(request.size()))
        return {};
    std::string answer;
    char buffer[512];
    pollfd p{fd, POLLIN, 0};
    while (answer.find('\n') == std::string::npos && poll(&p, 1, 2000) == 1) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        answer.append(buffer, size_t(n));
    }
    return answer.substr(0, answer.find('\n'));
}

int enrol(const std::vector<std::string> &args)
{
    const bool reRegister = args[0] == "-e";
    const size_t first = reRegister ? 2 : 1; // login, address, password, "-n", name
    const std::string guid = reRegister ? args[1] : std::string();
    const std::string &login = args[first], &address = args[first + 1], &password = args[first + 2];
    const std::string &name = args[first + 4];
    const char *dataPath = std::getenv("OS_AGENT_DATA_PATH");
    if (dataPath == nullptr)
        return fail(1, "OS_AGENT_DATA_PATH is not set");

    const size_t colon = address.rfind(':');
    const std::string host = colon == std::string::npos ? std::string() : address.substr(0, colon);
    const std::string port = colon == std::string::npos ? std::string() : address.substr(colon + 1);
    if (host.empty() || port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos ||
        std::atoi(port.c_str()) < 1 || std::atoi(port.c_str()) > 65535)
        return fail(5, "address is not HOST:PORT: " + address);

    // A server that hangs up must end in status 3, not in SIGPIPE (macOS has no MSG_NOSIGNAL).
    std::signal(SIGPIPE, SIG_IGN);
    const int fd = connectTo(host, port);
    if (fd < 0)
        return fail(3, "no answer from " + address);
    std::string request = reRegister ? "reregister\t" + percentEncoded(guid) + '\t' : std::string("register\t");
    request += percentEncoded(login) + '\t' + percentEncoded(password) + '\t' + percentEncoded(name) + '\n';
    const std::string answer = exchange(fd, request);
    close(fd);
    if (answer.empty())
        return fail(3, "no answer from " + address);
    if (answer.rfind("OK\t", 0) != 0)
        return fail(4, "refused: " + answer);

    std::ofstream config(std::string(dataPath) + "/.qmx-osagent.cfg", std::ios::trunc);
    config << "server=" << address << "\nnode=" << name << "\nguid=" << answer.substr(3) << '\n';
    return config.good() ? 0 : fail(1, "cannot write the configuration");
}

int runAgent()
{
    const char *sandbox = std::getenv("KELVANE_SANDBOX");
    if (sandbox != nullptr && access((std::string(sandbox) + "/no-full-disk-access").c_str(), F_OK) == 0)
        return fail(6, "Full Disk Access is missing");
    for (;;)
        pause(); // until launchctl stop sends SIGTERM
}

} // namespace

// The environment comes as main's third argument, which Linux and macOS both pass.
int main(int argc, char **argv, char **envp)
{
    if (const char *directory = std::getenv("QMX_STANDIN_RECORD_DIR"); directory != nullptr && argc > 1) {
        record(std::string(directory) + "/arguments", argv + 1);
        record(std::string(directory) + "/environment", envp);
    }
    if (std::getenv("QMX_STANDIN_OUTPUT") || std::getenv("QMX_STANDIN_EXIT_STATUS") ||
        std::getenv("QMX_STANDIN_SIGNAL"))
        return scripted();

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return runAgent();
    if ((args.size() == 6 && args[0] == "-r" && args[4] == "-n") ||
        (args.size() == 7 && args[0] == "-e" && args[5] == "-n"))
        return enrol(args);
    return fail(1,
                "usage: qmx-osagent [-r LOGIN HOST:PORT PASSWORD -n NAME | -e GUID LOGIN HOST:PORT PASSWORD -n NAME]");
}
