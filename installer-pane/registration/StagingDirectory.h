#pragma once

#include <QString>

#include <sys/types.h>

namespace installer {

// The staging directory sits in a world-writable place under a fixed name, and its file is later
// copied as root. So everything in it must be ours: another user could otherwise plant a link or a
// forged configuration there and have it installed. All failures throw RegistrationError naming the path.

// Creates the directory with mode 0700 when missing; otherwise it must be a real directory (not a
// symbolic link) owned by us and not writable by group or others.
void prepareStagingDirectory(const QString &path);

// Where to stage when the fixed directory is someone else's: a directory of ours under the parent, mode 0700, that
// passes the checks above. One that a failed registration left is taken again, so that failures do not pile them
// up; otherwise a fresh one, under a name that no one had taken (mkdtemp). A parent that is empty (how Qt gives a
// TMPDIR that does not exist) or no directory is refused, naming TMPDIR.
QString privateStagingDirectory(const QString &parent);

// The same checks on a directory that must already exist.
void verifyStagingDirectory(const QString &path);

// False when nothing is at the path; true for a regular file of ours; throws for anything else
// there (a link, a directory, another user's file).
bool isStagedFilePresent(const QString &path);

// The directory the configuration is installed into, which only its owner may change: missing (it is made then),
// or a real directory of that owner that neither group nor others may write.
void verifyInstalledConfigDirectory(const QString &path, uid_t owner);

} // namespace installer
