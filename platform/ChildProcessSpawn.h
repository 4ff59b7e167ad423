#pragma once

#include "platform/ChildProcess.h"
#include "platform/FileDescriptor.h"

#include <sys/types.h>

namespace platform {

// A child just launched, and the read ends of the pipes its standard output (and standard error, when captured)
// go to. Only the child holds the write ends.
struct SpawnedChild
{
    pid_t pid = -1;
    FileDescriptor output;
    FileDescriptor errors; // open only when standard error is captured
};

// Launches the request's program with posix_spawn, never looked up on the command path. Throws SystemError.
SpawnedChild spawnChild(const ChildProcessRequest &request);

} // namespace platform
