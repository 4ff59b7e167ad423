#include "installer-pane/enroll/EnrollCommand.h"

#include "installer-pane/enroll/AgentConfiguration.h"
#include "installer-pane/enroll/EnrollOptions.h"
#include "installer-pane/enroll/EnrollStatus.h"
#include "installer-pane/enroll/EnrollUsage.h"
#include "installer-pane/enroll/PasswordSource.h"
#include "installer-pane/enroll/Uninstall.h"
#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/RegistrationFields.h"
#include "platform/AdministratorShell.h"

#include <QFileInfo>
#include <QJsonArray>

namespace installer {

namespace {

// Once the uninstall ran, what was done stays on standard output when a step failed; what failed goes to standard
// error.
void writeUninstallReport(const EnrollOutcome &outcome, const EnrollDependencies &streams)
{
    const QJsonArray failed = outcome.details.value(QStringLiteral("failed")).toArray();
    QByteArray done, failures;
    for (const QString &line : outcome.message.split(u'\n'))
        (failed.contains(line) ? failures : done) += line.toUtf8() + '\n';
    streams.writeStandardOutput(done);
    if (!failures.isEmpty())
        streams.writeStandardError(failures);
}

} // namespace

EnrollCommand::EnrollCommand(EnrollDependencies dependencies)
    : m_dependencies(std::move(dependencies))
{}

int EnrollCommand::run(const QStringList &arguments)
{
    const ManagedSettings managed =
        m_dependencies.managedSettings ? m_dependencies.managedSettings->read() : ManagedSettings{};
    const std::variant<EnrollRequest, EnrollUsageError> parsed = EnrollOptions::parse(arguments, managed);
    if (const auto *error = std::get_if<EnrollUsageError>(&parsed)) {
        // One line, where a person sees it, and where to read more.
        const EnrollOutcome outcome{EnrollExit::Usage, error->message, tr("Try 'osagent-enroll --help'"), {}};
        if (error->json)
            m_dependencies.writeStandardOutput(jsonReport({outcome.status, outcome.message, QString(), {}}));
        else
            m_dependencies.writeStandardError(textReport(outcome));
        return int(outcome.status);
    }

    const EnrollRequest &request = std::get<EnrollRequest>(parsed);
    if (request.action == EnrollAction::Help) {
        m_dependencies.writeStandardOutput(EnrollUsage::text().toUtf8());
        return int(EnrollExit::Success);
    }
    const EnrollOutcome outcome = request.action == EnrollAction::Status      ? status(managed)
                                  : request.action == EnrollAction::Uninstall ? uninstall(request)
                                                                              : enrol(request);
    const bool report = request.action == EnrollAction::Status || request.action == EnrollAction::Uninstall;
    if (request.json) {
        m_dependencies.writeStandardOutput(jsonReport(outcome));
    } else if (request.action == EnrollAction::Uninstall && outcome.details.contains(QStringLiteral("removed"))) {
        writeUninstallReport(outcome, m_dependencies);
    } else if (report && outcome.status == EnrollExit::Success) {
        m_dependencies.writeStandardOutput(textReport(outcome));
    } else {
        m_dependencies.writeStandardError(textReport(outcome));
    }
    return int(outcome.status);
}

EnrollOutcome EnrollCommand::enrol(const EnrollRequest &request) const
{
    // A script that runs at every check-in until it succeeds would make one node per run, and the machine would
    // lose the GUID it has; checked before the password is read, so nothing of it is taken for nothing.
    if (request.action == EnrollAction::Register && !request.force &&
        QFileInfo::exists(m_dependencies.paths.installedConfigFile))
        return alreadyEnrolled();

    QString password;
    try {
        password = readPassword(request);
    } catch (const PasswordSourceError &error) {
        return {error.status(), error.message(), QString(), {}};
    }

    // The page's rules: the first empty field in the fixed order, then every value trimmed. The password has no
    // field here: its message names where it came from.
    const RegistrationValues typed{request.agentGuid, request.address, request.login, password,
                                   request.name ? *request.name : m_dependencies.hostName()};
    if (const std::optional<RegistrationField> empty = RegistrationFields::firstEmptyField(typed)) {
        return {EnrollExit::EmptyField,
                *empty == RegistrationField::Password ? PasswordSource::emptyMessage(request.passwordFile)
                                                      : RegistrationFields::emptyFieldMessage(*empty),
                QString(),
                {}};
    }
    const RegistrationValues values = RegistrationFields::trimmed(typed);

    const GuiAgentSession session = agentSession();
    platform::DirectAdministratorShell rootShell(m_dependencies.paths.shell);
    platform::AdministratorShell &shell = m_dependencies.runsAsRoot ? rootShell : *m_dependencies.administratorShell;
    try {
        RegistrationHelper helper(m_dependencies.paths, shell, *m_dependencies.log, session);
        RegistrationFields::registerWith(helper, values);
    } catch (const RegistrationError &error) {
        // The registration took the password out of what it quotes of the daemon.
        return {exitForDaemonStatus(error.daemonStatus()), error.reason(), QString(), {}};
    }

    EnrollOutcome outcome{EnrollExit::Success, RegistrationFields::successMessage(values), QString(), {}};
    if (!session.present)
        outcome.note = tr("No one is logged in, so the menu-bar application starts at the next login.");
    return outcome;
}

EnrollOutcome EnrollCommand::alreadyEnrolled() const
{
    const std::optional<QString> guid = AgentConfiguration::agentGuid(m_dependencies.paths.installedConfigFile);
    QJsonObject details{{QStringLiteral("enrolled"), true}};
    if (guid)
        details.insert(QStringLiteral("agentGuid"), *guid);
    return {EnrollExit::AlreadyEnrolled,
            guid ? tr("This machine is already enrolled as agent %1: run reregister --guid %1 to enrol it again "
                      "under that GUID, or register --force to enrol it as a new node")
                       .arg(*guid)
                 : tr("This machine is already enrolled: run reregister --guid GUID to enrol it again under its "
                      "agent's GUID, or register --force to enrol it as a new node"),
            QString(), details};
}

EnrollOutcome EnrollCommand::status(const ManagedSettings &managed) const
{
    try {
        AgentStatus status = EnrollStatus::probe(m_dependencies.paths);
        status.managed = managed;
        return EnrollStatus::outcome(status);
    } catch (const RegistrationError &error) {
        return {EnrollExit::Failure, error.reason(), QString(), {}};
    }
}

EnrollOutcome EnrollCommand::uninstall(const EnrollRequest &request) const
{
    if (!m_dependencies.runsAsRoot)
        return {
            EnrollExit::NoPermission, tr("Only root can uninstall Kelvane OS Agent: run it with sudo"), QString(), {}};
    QList<uint> users = m_dependencies.loggedInUsers();
    if (const std::optional<uint> console = m_dependencies.consoleUser())
        users << *console; // listed twice at most: a job booted out is not found loaded the second time
    return Uninstall(m_dependencies.paths).run(users, request.keepConfiguration);
}

QString EnrollCommand::readPassword(const EnrollRequest &request) const
{
    return PasswordSource::decode(request.passwordFile ? PasswordSource::readFile(*request.passwordFile)
                                                       : m_dependencies.readStandardInput(tr("Password: ").toUtf8()),
                                  request.passwordFile);
}

GuiAgentSession EnrollCommand::agentSession() const
{
    if (!m_dependencies.runsAsRoot)
        return {};
    // launchctl run as root would address the system domain; the menu-bar agent lives in the user's.
    const std::optional<uint> user = m_dependencies.consoleUser();
    if (!user)
        return {QStringList(), false};
    return {{QStringLiteral("asuser"), QString::number(*user), m_dependencies.paths.launchctl}, true};
}

} // namespace installer
