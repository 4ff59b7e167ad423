#pragma once

#include "platform/ChildProcess.h"
#include "platform/FileDescriptor.h"

#include <sys/types.h>

namespace platform {

// Reads the child's output pipe to its end and its error pipe (if open) alongside, then reaps the child; both
// pipes are closed on return. Throws SystemError when a pipe cannot be read, after the child has been reaped.
ChildProcessResult drainAndReap(pid_t pid, FileDescriptor output, FileDescriptor errors);

} // namespace platform
