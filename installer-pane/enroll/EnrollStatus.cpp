#include "installer-pane/enroll/EnrollStatus.h"

#include "installer-pane/enroll/AgentConfiguration.h"
#include "installer-pane/registration/ProcessHelper.h"
#include "installer-pane/registration/RegistrationError.h"
#include "menubar-app/service/ServicesController.h"

#include <QFileInfo>
#include <QJsonArray>

namespace installer {

namespace {

QString outputOf(const QString &tool, const QStringList &arguments)
{
    std::optional<QString> output;
    const qint32 status = ProcessHelper::runProcess(tool, arguments, std::nullopt, &output);
    if (status != 0)
        throw RegistrationError(EnrollStatus::tr("Process '%1' failed with exit code: %2").arg(tool).arg(status));
    return output.value_or(QString());
}

// What status 6 means and what to do, as the menu-bar application's prompt says it and where that prompt leads.
QStringList fullDiskAccessMissing()
{
    const QString title = QCoreApplication::translate("NotificationHelper", "Missing full disk access");
    const QString what = EnrollStatus::tr("Turn on qmx-osagent under System Settings, Privacy & Security, Full Disk "
                                          "Access (open %1), then start the agent from the menu-bar application.")
                             .arg(contract::toQString(contract::kFullDiskAccessSettingsUrl));
    return {title, what};
}

} // namespace

AgentStatus EnrollStatus::probe(const contract::AgentPaths &paths)
{
    AgentStatus status;
    status.configured = QFileInfo(paths.installedConfigFile).isFile();
    status.installed = QFileInfo(paths.daemonExecutable).isFile();
    status.agentGuid = AgentConfiguration::agentGuid(paths.installedConfigFile);
    const QString labelEnding = QLatin1Char('\t') + contract::toQString(contract::kServiceLabel);
    for (const QString &line : outputOf(paths.launchctl, {QStringLiteral("list")}).split(QLatin1Char('\n'))) {
        if (line.endsWith(labelEnding))
            status.jobLine = line;
    }
    status.daemonRunning = status.jobLine
                               ? menubar::ServicesController::parseStartServiceOutput(*status.jobLine).isServiceRunning
                               : menubar::ServicesController::processTableContains(
                                     outputOf(paths.ps, menubar::ServicesController::processTableArguments()),
                                     contract::toQString(contract::kProcessName));
    return status;
}

EnrollOutcome EnrollStatus::outcome(const AgentStatus &status)
{
    QStringList lines = installationLines(status) + daemonLines(status);
    QJsonObject managed;
    lines << managedLines(status.managed, managed);
    const QJsonObject details{
        {QStringLiteral("enrolled"), status.configured && status.installed},
        {QStringLiteral("installed"), status.installed},
        {QStringLiteral("configurationKept"), status.configured && !status.installed},
        {QStringLiteral("agentGuid"), status.agentGuid ? QJsonValue(*status.agentGuid) : QJsonValue()},
        {QStringLiteral("daemonRunning"), status.daemonRunning},
        {QStringLiteral("job"), status.jobLine ? QJsonValue(*status.jobLine) : QJsonValue()},
        {QStringLiteral("managed"), managed},
    };
    return {EnrollExit::Success, lines.join(QLatin1Char('\n')), QString(), details};
}

QStringList EnrollStatus::installationLines(const AgentStatus &status)
{
    QStringList lines;
    if (status.configured && !status.installed) {
        lines << tr("Kelvane OS Agent is not installed, but its configuration was kept: a new installation finds "
                    "this machine enrolled.");
    } else {
        lines << (status.configured ? tr("This machine is enrolled.") : tr("This machine is not enrolled."));
        if (!status.installed)
            lines << tr("Kelvane OS Agent is not installed.");
    }
    if (status.agentGuid)
        lines << tr("Its agent GUID is %1.").arg(*status.agentGuid);
    return lines;
}

QStringList EnrollStatus::daemonLines(const AgentStatus &status)
{
    // In words: the job line's fields are the process ID ("-" while none runs) and the last exit status.
    QStringList lines;
    const QString processId = status.jobLine ? status.jobLine->section(QLatin1Char('\t'), 0, 0) : QString();
    if (status.daemonRunning && status.jobLine)
        lines << tr("The agent daemon is running (process ID %1).").arg(processId);
    else
        lines << (status.daemonRunning ? tr("The agent daemon is running.") : tr("The agent daemon is not running."));
    if (!status.jobLine) {
        lines << tr("Its job is not in the job list.");
    } else if (!status.daemonRunning) {
        const qint64 last = menubar::ServicesController::parseStartServiceOutput(*status.jobLine).lastErrorCode;
        if (last > 0)
            lines << tr("It last ended with exit status %1.").arg(last);
        else if (last < 0) // launchd shows a signal's number negated
            lines << tr("It was last ended by signal %1.").arg(-last);
        if (last == contract::kExitMissingFullDiskAccess)
            lines << fullDiskAccessMissing();
    }
    return lines;
}

QStringList EnrollStatus::managedLines(const ManagedSettings &settings, QJsonObject &json)
{
    // By the settings' own names, which a script or an administrator looks for; each on a line of its own, so
    // that a comma in a value is only a comma.
    QStringList lines;
    QStringList values;
    for (const auto &[key, value] : {std::pair{contract::kManagedServerAddressKey, settings.serverAddress},
                                     std::pair{contract::kManagedLoginKey, settings.login},
                                     std::pair{contract::kManagedNodeNameKey, settings.nodeName}}) {
        if (!value)
            continue;
        json.insert(contract::toQString(key), *value);
        values << QStringLiteral("  ") + contract::toQString(key) + QStringLiteral(": ") + *value;
    }
    if (!values.isEmpty())
        lines << tr("Set by your organisation:") << values;
    // What kept an administrator's values out: the log's own words.
    if (!settings.error.isEmpty()) {
        json.insert(QStringLiteral("error"), settings.error);
        lines << settings.error;
    }
    // Every key ignored, the password's too: the log names only the first few.
    if (!settings.ignoredKeys.isEmpty()) {
        json.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(settings.ignoredKeys));
        lines << settings.ignoredKeys;
    }
    return lines;
}

} // namespace installer
