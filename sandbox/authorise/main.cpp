// Stand-in for pkexec in the sandbox: "pkexec [--disable-internal-agent] PROGRAM ARGS...". Copied to
// SANDBOX/bin/pkexec.
// It blocks its caller as a real authorisation does: it asks with a dialog naming the command
// (SANDBOX/bin/pkexec-dialog), or answers by itself when SANDBOX/authorise holds "allow" or
// "cancel". Allowed commands run without elevation, with SANDBOX/bin first on the command path,
// and are appended to SANDBOX/authorise.log. No Qt here: an answered authorisation stays cheap.

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string directoryOf(const std::string &path)
{
    return path.substr(0, path.rfind('/'));
}

bool askUser(const std::string &bin, const std::string &command, char **environment)
{
    const std::string dialog = bin + "/pkexec-dialog";
    char *argv[] = {const_cast<char *>(dialog.c_str()), const_cast<char *>(command.c_str()), nullptr};
    pid_t pid = 0;
    int status = 0;
    return posix_spawn(&pid, dialog.c_str(), nullptr, nullptr, argv, environment) == 0 &&
           waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// The environment comes as main's third argument, which Linux and macOS both pass.
int main(int argc, char *argv[], char *envp[])
{
    // Always started by its absolute path, so argv[0] names the sandbox's copy.
    char self[PATH_MAX];
    int first = 1; // the program; we have no text agent to turn off
    if (argc > 1 && std::string(argv[1]) == "--disable-internal-agent")
        ++first;
    if (argc <= first || realpath(argv[0], self) == nullptr)
        return 127;
    const std::string bin = directoryOf(self);
    const std::string root = directoryOf(bin);

    std::string command = argv[first];
    for (int i = first + 1; i < argc; ++i)
        command += std::string(" ") + argv[i];

    std::ifstream answerFile(root + "/authorise");
    std::string answer((std::istreambuf_iterator<char>(answerFile)), std::istreambuf_iterator<char>());
    answer.erase(answer.find_last_not_of(" \n") + 1);
    if (answer.empty() ? !askUser(bin, command, envp) : answer != "allow") {
        std::fprintf(stderr, "Error executing command as another user: Request dismissed\n");
        return 126;
    }

    std::ofstream(root + "/authorise.log", std::ios::app) << command << '\n';
    const std::string path = bin + ':' + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin");
    setenv("PATH", path.c_str(), 1);
    execv(argv[first], argv + first);
    std::perror("pkexec");
    return 127;
}
