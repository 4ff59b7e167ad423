#include "installer-pane/registration/RegistrationHelper.h"

#include "installer-pane/registration/InstallCommand.h"
#include "installer-pane/registration/LaunchdJob.h"
#include "installer-pane/registration/OutputExcerpt.h"
#include "installer-pane/registration/PasswordMask.h"
#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/StagingDirectory.h"
#include "platform/LogSink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace installer {

namespace {

// How long the menu-bar application may take to quit after "stop".
constexpr std::chrono::seconds kGuiAgentExitBound{5};

} // namespace

RegistrationHelper::RegistrationHelper(contract::AgentPaths paths, platform::AdministratorShell &shell,
                                       platform::LogSink &log, GuiAgentSession agentSession)
    : m_paths(std::move(paths))
    , m_processes(shell, &log)
    , m_log(log)
    , m_agentSession(std::move(agentSession))
{}

void RegistrationHelper::registerWithAddress(const QString &address, const QString &login, const QString &password,
                                             const QString &name)
{
    // The daemon takes the login before the address.
    runOsAgent({contract::toQString(contract::kRegisterFlag), login, address, password,
                contract::toQString(contract::kNodeNameFlag), name},
               password);
    startService();
}

void RegistrationHelper::reRegisterWithAgentGuid(const QString &agentGuid, const QString &address, const QString &login,
                                                 const QString &password, const QString &name)
{
    runOsAgent({contract::toQString(contract::kReRegisterFlag), agentGuid, login, address, password,
                contract::toQString(contract::kNodeNameFlag), name},
               password);
    startService();
}

void RegistrationHelper::runOsAgentWithArguments(const QStringList &arguments)
{
    runOsAgent(arguments, QString());
}

void RegistrationHelper::runOsAgent(const QStringList &arguments, const QString &password)
{
    // Whatever would refuse the install is refused before the daemon runs: after it, a node is registered.
    prepareStaging();
    installCommand();
    verifyInstalledConfigDirectory(m_paths.installedConfigDirectory, m_processes.scriptUser());

    // The installer's own environment byte for byte: only the two paths are ours to set.
    platform::ProcessEnvironment environment = platform::ProcessEnvironment::current();
    const QByteArray staging = QFile::encodeName(m_paths.stagingDirectory);
    environment.set(contract::kDataPathVariable, staging);
    environment.set(contract::kLogPathVariable, staging);

    std::optional<QString> output;
    QByteArray errors;
    const qint32 status = ProcessHelper::runProcess(m_paths.daemonExecutable, arguments, environment, &output, &errors);
    // What the daemon says on standard error is for an administrator, not for the form: to the log.
    const QString said = maskPassword(QString::fromUtf8(errors).trimmed(), password);
    if (!said.isEmpty())
        m_log.write(platform::LogLevel::Info, selfDescription() + QStringLiteral(" qmx-osagent: ") + said);
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
        // Masked before it is cut: a copy the cut would split is gone whole.
        if (output)
            output = maskPassword(*output, password);
        throw RegistrationError(
            tr("Process failed with exit code: %1\n\n%2").arg(QString::number(status), outputExcerpt(output)), status);
    }
}

void RegistrationHelper::prepareStaging()
{
    // Before the daemon writes anything there, so that no one else's files can end up installed.
    try {
        prepareStagingDirectory(m_paths.stagingDirectory);
        return;
    } catch (const RegistrationError &) {
        // Another user made it first, or made it unsafe: not a reason to give up, since a directory of our
        // own does as well. The daemon is told where through the same two variables.
    }
    const QString fixed = m_paths.stagingDirectory;
    m_paths.stagingDirectory = privateStagingDirectory(QDir::tempPath());
    m_paths.stagedConfigFile = m_paths.stagingDirectory + u'/' + QFileInfo(m_paths.stagedConfigFile).fileName();
    m_log.write(platform::LogLevel::Info,
                selfDescription() + QStringLiteral(" staging directory %1 is another user's or unsafe; "
                                                   "staging in %2 instead")
                                        .arg(fixed, m_paths.stagingDirectory));
}

void RegistrationHelper::startService() const
{
    if (!isStagedFilePresent(m_paths.stagedConfigFile))
        return;
    // Checked here too, so that a bad staging directory is refused before anyone is asked for a password.
    verifyStagingDirectory(m_paths.stagingDirectory);
    m_processes.runScriptAsRoot(installCommand());
    restartGuiAgent();
}

QString RegistrationHelper::installCommand() const
{
    return InstallCommand::build(
        {m_paths.stagedConfigFile, m_paths.stagingDirectory, m_paths.installedConfigDirectory, m_paths.launchctl},
        {::geteuid(), m_processes.scriptUser()});
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

QString RegistrationHelper::selfDescription()
{
    return QStringLiteral("Enroller.RegistrationHelper");
}

} // namespace installer
