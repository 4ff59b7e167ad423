#pragma once

#include "common/AgentPaths.h"
#include "installer-pane/enroll/EnrollOutcome.h"
#include "installer-pane/registration/ManagedSettingsReader.h"
#include "installer-pane/registration/RegistrationHelper.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace platform {
class AdministratorShell;
class LogSink;
} // namespace platform

namespace installer {

struct EnrollRequest;

// What the enrol command runs on. The shipped program fills it with the system's own; a sandbox with
// its re-rooted paths and stand-ins.
struct EnrollDependencies
{
    contract::AgentPaths paths;
    // As root the configuration is installed through the shell directly and the launch agent is reached
    // in the console user's session; otherwise both go through the administrator shell and our session.
    bool runsAsRoot = false;
    std::shared_ptr<platform::AdministratorShell> administratorShell; // used only when not run as root
    // The user logged in at the console, whose launch agent a superuser restarts; none when no one is.
    std::function<std::optional<uint>()> consoleUser;
    // Every user logged in, whose launch agents the uninstall boots out (the console's user too, if not listed).
    std::function<QList<uint>()> loggedInUsers;
    std::function<QString()> hostName; // the node name when none is given
    // The password on standard input; the prompt is for a terminal.
    std::function<QByteArray(const QByteArray &prompt)> readStandardInput;
    std::function<void(const QByteArray &)> writeStandardOutput;
    std::function<void(const QByteArray &)> writeStandardError;
    // For what only an administrator needs (the registration's notes, what was ignored of the managed
    // settings), never on the command's own streams.
    std::shared_ptr<platform::LogSink> log;
    // The values an administrator set, which stand in for options left out; none: nothing is managed.
    std::shared_ptr<ManagedSettingsReader> managedSettings{};
};

// osagent-enroll: the registration page's enrolment for scripts, without a window, and the uninstall. The
// password never reaches its output or the log.
class EnrollCommand
{
    Q_DECLARE_TR_FUNCTIONS(installer::EnrollCommand)

public:
    explicit EnrollCommand(EnrollDependencies dependencies);

    // Runs one command line, the program's name first, and returns the exit status.
    int run(const QStringList &arguments);

private:
    EnrollOutcome enrol(const EnrollRequest &request) const;
    EnrollOutcome alreadyEnrolled() const;
    EnrollOutcome status(const ManagedSettings &managed) const;
    EnrollOutcome uninstall(const EnrollRequest &request) const;
    QString readPassword(const EnrollRequest &request) const;
    GuiAgentSession agentSession() const;

    EnrollDependencies m_dependencies;
};

} // namespace installer
