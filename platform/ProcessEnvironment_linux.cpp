#include "platform/ProcessEnvironment.h"

#include <unistd.h>

namespace platform {

char **systemEnvironmentTable()
{
    return environ;
}

} // namespace platform
