#pragma once

#include <QString>

namespace installer {

// Removes what is at the path, as root may in a folder that a user can still change while it works: a link or a
// file as itself; a directory by descriptors, each level opened with O_NOFOLLOW | O_DIRECTORY and emptied through
// that descriptor, so that a component swapped for a link meanwhile is removed as the link and nothing it points to
// is touched. The path's parent is trusted as the system gives it. 0 when it is gone (or was never there), else
// the errno of the step that failed.
int removeWithoutFollowing(const QString &path);

} // namespace installer
