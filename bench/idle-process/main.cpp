// One idle entry in the process table, for the poll-cost curve. Usage: bench-idle-process PARENT-PID
//
// It asks to be killed with its parent, so that none outlives the benchmark even when the benchmark
// itself is killed or crashes; the benchmark ends it by PID otherwise. Nothing but libc, so that
// thousands start quickly and cost little memory.
#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0)
        return 1;
    // The parent may have gone before the request above was in place: then nobody would kill us.
    if (getppid() != pid_t(std::atol(argv[1])))
        return 0;
    pause();
    return 0;
}
