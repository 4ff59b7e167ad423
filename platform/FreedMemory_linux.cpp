#include "platform/FreedMemory.h"

#include <malloc.h>

namespace platform {

void releaseFreedMemory()
{
    malloc_trim(0);
}

} // namespace platform
