#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace installer {

// The enrol command's exit statuses. 3, 4 and 5 are the daemon's own; the others follow sysexits(3).
enum class EnrollExit : int {
    Success = 0,
    Failure = 1,
    ServerUnreachable = 3,
    CredentialsRefused = 4,
    AddressRefused = 5,
    Usage = 64,
    EmptyField = 65,
    NoInput = 66,         // no password file there
    OsError = 71,         // a job or a package receipt the uninstall could not take away
    AlreadyEnrolled = 73, // a register that would make this machine a second node (EX_CANTCREAT)
    IoError = 74,         // a file or directory the uninstall could not remove
    NoPermission = 77,    // the password file is not safe to trust; the uninstall was not run as root
};

// 3, 4 and 5 as the daemon gave them; any other status, a signal or no daemon run at all is a failure.
EnrollExit exitForDaemonStatus(std::optional<qint32> daemonStatus);

// What one run of the command has to say. The note is a second line for a person; details are extra
// members of the JSON object.
struct EnrollOutcome
{
    EnrollExit status = EnrollExit::Success;
    QString message;
    QString note;
    QJsonObject details;
};

// One compact JSON object on one line: "ok", "status", "message", "note" when there is one, and the
// details.
QByteArray jsonReport(const EnrollOutcome &outcome);
// The message and the note, each on a line of its own.
QByteArray textReport(const EnrollOutcome &outcome);

} // namespace installer
