#include "installer-pane/registration/RegistrationHelper.h"

#include "installer-pane/registration/LaunchdJob.h"
#include "installer-pane/registration/OutputExcerpt.h"
#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/StagingDirectory.h"

#include <QFile>

#include <algorithm>

namespace installer {

namespace {

// How long the menu-bar application may take to quit after "stop".
constexpr std::chrono::seconds kGuiAgentExitBound{5};

// Inside double quotes the shell still expands these.
bool isSafeInQuotes(const QString &path)
{
    return !path.isEmpty() &&
           std::none_of(path.begin(), path.end(), [](QChar c) { return QStringView(u"\"\\$`").contains(c); });
}

// The staging directory goes to rm unquoted, as the command has always had it.
bool isSafeUnquoted(const QString &path)
{
    return !path.isEmpty() && std::all_of(path.begin(), path.end(), [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetterOrNumber() || QStringView(u"/._+-").contains(c));
    });
}

void requireShellSafe(const QString &path, bool safe)
{
    if (!safe) {
        throw RegistrationError(
            RegistrationHelper::tr("Can't install the configuration: the path '%1' is not safe in a shell command")
                .arg(path));
    }
}

} // namespace

RegistrationHelper::RegistrationHelper(contract::AgentPaths paths, platform::AdministratorShell &shell,
                                       GuiAgentSession agentSession)
    : m_paths(std::move(paths))
    , m_processes(shell)
    , m_agentSession(std::move(agentSession))
{}

void RegistrationHelper::registerWithAddress(const QString &address, const QString &login, const QString &password,
                                             const QString &name)
{
    // The daemon takes the login before the address.
    runOsAgentWithArguments({contract::toQString(contract::kRegisterFlag), login, address, password,
                             contract::toQString(contract::kNodeNameFlag), name});
    startService();
}

void RegistrationHelper::reRegisterWithAgentGuid(const QString &agentGuid, const QString &address, const QString &login,
                                                 const QString &password, const QString &name)
{
    runOsAgentWithArguments({contract::toQString(contract::kReRegisterFlag), agentGuid, login, address, password,
                             contract::toQString(contract::kNodeNameFlag), name});
    startService();
}

void RegistrationHelper::runOsAgentWithArguments(const QStringList &arguments) const
{
    // Before the daemon writes anything there, so that no one else's files can end up installed.
    prepareStagingDirectory(m_paths.stagingDirectory);

    // The installer's own environment byte for byte: only the two paths are ours to set.
    platform::ProcessEnvironment environment = platform::ProcessEnvironment::current();
    const QByteArray staging = QFile::encodeName(m_paths.stagingDirectory);
    environment.set(contract::kDataPathVariable, staging);
    environment.set(contract::kLogPathVariable, staging);

    std::optional<QString> output;
    const qint32 status = ProcessHelper::runProcess(m_paths.daemonExecutable, arguments, environment, &output);
    switch (status) {
    case contract::kExitEnrolled:
        return;
    case contract::kExitServerUnreachable:
        throw RegistrationError(tr("Can't connect to server"), status);
    case contract::kExitCredentialsRefused:
        throw RegistrationError(tr("Incorrect credential provided"), status);
    case contract::kExitAddressRefused:
        throw RegistrationError(tr("Incorrect address provided"), status);
    default:
        throw RegistrationError(
            tr("Process failed with exit code: %1\n\n%2").arg(QString::number(status), outputExcerpt(output)), status);
    }
}

QString RegistrationHelper::installCommand() const
{
    requireShellSafe(m_paths.installedConfigDirectory, isSafeInQuotes(m_paths.installedConfigDirectory));
    requireShellSafe(m_paths.stagedConfigFile, isSafeInQuotes(m_paths.stagedConfigFile));
    requireShellSafe(m_paths.stagingDirectory, isSafeUnquoted(m_paths.stagingDirectory));
    // The directory is created first: copying into a missing one would leave a file named after it,
    // and the removal after it would then lose the staged configuration.
    return QStringLiteral("mkdir -p \"%1\" && cp \"%2\" \"%1\" && rm -Rf %3")
        .arg(m_paths.installedConfigDirectory, m_paths.stagedConfigFile, m_paths.stagingDirectory);
}

void RegistrationHelper::startService() const
{
    if (!isStagedFilePresent(m_paths.stagedConfigFile))
        return;
    // Only a directory that no one else can write to keeps the checked file what it is until the copy.
    verifyStagingDirectory(m_paths.stagingDirectory);
    m_processes.runScriptAsRoot(installCommand());
    restartGuiAgent();
}

void RegistrationHelper::restartGuiAgent() const
{
    if (!m_agentSession.present)
        return;
    const QString label = contract::toQString(contract::kGuiAgentLabel);
    ProcessHelper::runProcess(m_paths.launchctl,
                              m_agentSession.launchctlPrefix + QStringList{QStringLiteral("stop"), label});
    // launchd's "stop" returns before the application has quit, and a "start" meanwhile is ignored, which
    // would leave no menu-bar application. Past the bound the start is tried all the same.
    LaunchdJob(m_paths.launchctl, m_agentSession.launchctlPrefix, label).waitUntilExited(kGuiAgentExitBound);
    ProcessHelper::runProcess(m_paths.launchctl,
                              m_agentSession.launchctlPrefix + QStringList{QStringLiteral("start"), label});
}

} // namespace installer
