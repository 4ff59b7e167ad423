#pragma once

namespace platform {

// Hands memory that the allocator holds but no longer uses back to the system, after a large part of the
// program (a window with its page) has been deleted. Glibc keeps freed pages of its heap for reuse; macOS's
// allocator returns them by itself, so there it does nothing.
void releaseFreedMemory();

} // namespace platform
