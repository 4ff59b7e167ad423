#include "platform/ProcessEnvironment.h"

#include <crt_externs.h>

namespace platform {

char **systemEnvironmentTable()
{
    return *_NSGetEnviron();
}

} // namespace platform
