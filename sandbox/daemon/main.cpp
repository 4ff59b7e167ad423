// Stand-in for the agent daemon. The test that runs it sets, in the environment it inherits:
//   QMX_STANDIN_RECORD_DIR   directory receiving "arguments" (argv[1..]) and "environment"
//                            (NAME=value entries), each entry ended by a NUL byte;
//   QMX_STANDIN_OUTPUT       text written to standard output;
//   QMX_STANDIN_EXIT_STATUS  the exit status (0 when unset);
//   QMX_STANDIN_SIGNAL       when set, the signal that ends the process instead.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

extern char **environ;

namespace {

void record(const std::string &file, char **entries)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (; *entries != nullptr; ++entries)
        out << *entries << '\0';
}

} // namespace

int main(int, char **argv)
{
    if (const char *directory = std::getenv("QMX_STANDIN_RECORD_DIR")) {
        record(std::string(directory) + "/arguments", argv + 1);
        record(std::string(directory) + "/environment", environ);
    }
    if (const char *output = std::getenv("QMX_STANDIN_OUTPUT"))
        std::fputs(output, stdout);
    std::fflush(stdout);
    if (const char *signal = std::getenv("QMX_STANDIN_SIGNAL")) {
        std::signal(std::atoi(signal), SIG_DFL);
        std::raise(std::atoi(signal));
    }
    const char *status = std::getenv("QMX_STANDIN_EXIT_STATUS");
    return status != nullptr ? std::atoi(status) : 0;
}
