#pragma once

#include "installer-pane/enroll/EnrollOutcome.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <exception>
#include <optional>

namespace installer {

// The password could not be taken from where it was to come from. The status is the command's exit
// status for it; the message says why and never holds any of the password.
class PasswordSourceError : public std::exception
{
public:
    PasswordSourceError(EnrollExit status, QString message);
    EnrollExit status() const { return m_status; }
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return "password source refused"; }

private:
    EnrollExit m_status;
    QString m_message;
};

class PasswordSource
{
    Q_DECLARE_TR_FUNCTIONS(installer::PasswordSource)

public:
    // The content of a password file that is safe to trust. Refused with NoPermission: a
    // symbolic link, anything but a regular file, a file with more than one link, a file that group or others
    // may read or write, one that belongs to anyone but us or root, one we may not read. Checked on the opened
    // file itself, so nothing can be swapped in between. A file that is not there is NoInput; any other failure
    // a plain Failure.
    static QByteArray readFile(const QString &path);

    // The bytes as text, without the one line end that closes them (echo's, or a file's last line's):
    // it was never typed, so "echo" of nothing is an empty password as an empty field is. Anything
    // else is left to the page's checks and trimming. Not UTF-8: it could not reach the daemon unchanged.
    // The file they came from, or none for standard input, is named in the message.
    static QString decode(const QByteArray &bytes, const std::optional<QString> &file);
    // What an empty password is called where it came from; there is no field to name.
    static QString emptyMessage(const std::optional<QString> &file);
};

} // namespace installer
