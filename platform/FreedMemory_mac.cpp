#include "platform/FreedMemory.h"

namespace platform {

void releaseFreedMemory()
{}

} // namespace platform
