#pragma once

#include "platform/ProcessEnvironment.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <exception>
#include <optional>
#include <sys/types.h>

namespace platform {

// A failure reported by the operating system: launching the child or reading its pipe.
class SystemError : public std::exception
{
public:
    explicit SystemError(int code);

    int code() const { return m_code; }
    QString message() const;
    const char *what() const noexcept override;

private:
    int m_code;
};

struct ChildProcessRequest
{
    QString program; // absolute path, never looked up on the command path
    QStringList arguments;
    std::optional<ProcessEnvironment> environment; // none: the child inherits ours
    bool captureStandardError = false;             // otherwise inherited
};

struct ChildProcessResult
{
    // The exit code, or the signal's number for a child ended by a signal (never 0 then).
    int status = 0;
    bool signalled = false;
    QByteArray output;
    QByteArray errorOutput; // only when asked for
};

// A child launched now whose output is collected later, so that it can run while its caller does something else.
// One that is dropped without being finished is killed and reaped: no one will read what it writes.
class StartedChildProcess
{
public:
    // Throws SystemError when the child cannot be launched.
    explicit StartedChildProcess(const ChildProcessRequest &request);
    ~StartedChildProcess();
    StartedChildProcess(const StartedChildProcess &) = delete;
    StartedChildProcess &operator=(const StartedChildProcess &) = delete;

    pid_t pid() const { return m_pid; }
    // Drains the child's output on the calling thread until it has ended, as runChildProcess does. Once only.
    ChildProcessResult finish();

private:
    pid_t m_pid = -1;
    int m_output = -1;
    int m_errors = -1; // only when standard error is captured
};

// Runs the child to its end on the calling thread, draining its standard output while it runs.
// Standard input is inherited, and standard error unless captured. Throws SystemError when the child cannot be
// launched or its output cannot be read; the child is reaped on every path.
ChildProcessResult runChildProcess(const ChildProcessRequest &request);

} // namespace platform
