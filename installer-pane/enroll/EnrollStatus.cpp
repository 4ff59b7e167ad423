#include "installer-pane/enroll/EnrollStatus.h"

#include "installer-pane/registration/ProcessHelper.h"
#include "installer-pane/registration/RegistrationError.h"
#include "menubar-app/service/ServicesController.h"

#include <QFileInfo>

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

} // namespace

AgentStatus EnrollStatus::probe(const contract::AgentPaths &paths)
{
    AgentStatus status;
    status.enrolled = QFileInfo(paths.installedConfigFile).isFile();
    status.daemonRunning = menubar::ServicesController::processTableContains(
        outputOf(paths.ps, menubar::ServicesController::processTableArguments()),
        contract::toQString(contract::kProcessName));
    const QString labelEnding = QLatin1Char('\t') + contract::toQString(contract::kServiceLabel);
    for (const QString &line : outputOf(paths.launchctl, {QStringLiteral("list")}).split(QLatin1Char('\n'))) {
        if (line.endsWith(labelEnding))
            status.jobLine = line;
    }
    return status;
}

EnrollOutcome EnrollStatus::outcome(const AgentStatus &status)
{
    QStringList lines{
        status.enrolled ? tr("This machine is enrolled.") : tr("This machine is not enrolled."),
        status.daemonRunning ? tr("The agent daemon is running.") : tr("The agent daemon is not running."),
        status.jobLine ? tr("Its job in the job list: %1").arg(*status.jobLine) : tr("Its job is not in the job list."),
    };
    // By the settings' own names, which a script or an administrator looks for.
    QJsonObject managed;
    QStringList managedText;
    for (const auto &[key, value] : {std::pair{contract::kManagedServerAddressKey, status.managed.serverAddress},
                                     std::pair{contract::kManagedLoginKey, status.managed.login},
                                     std::pair{contract::kManagedNodeNameKey, status.managed.nodeName}}) {
        if (!value)
            continue;
        managed.insert(contract::toQString(key), *value);
        managedText << contract::toQString(key) + QLatin1Char(' ') + *value;
    }
    if (!managedText.isEmpty())
        lines << tr("Set by your organisation: %1").arg(managedText.join(QStringLiteral(", ")));
    const QJsonObject details{
        {QStringLiteral("enrolled"), status.enrolled},
        {QStringLiteral("daemonRunning"), status.daemonRunning},
        {QStringLiteral("job"), status.jobLine ? QJsonValue(*status.jobLine) : QJsonValue()},
        {QStringLiteral("managed"), managed},
    };
    return {EnrollExit::Success, lines.join(QLatin1Char('\n')), QString(), details};
}

} // namespace installer
