#include "installer-pane/enroll/EnrollOutcome.h"

#include "common/AgentContract.h"

#include <QJsonDocument>

namespace installer {

EnrollExit exitForDaemonStatus(std::optional<qint32> daemonStatus)
{
    switch (daemonStatus.value_or(-1)) {
    case contract::kExitServerUnreachable:
        return EnrollExit::ServerUnreachable;
    case contract::kExitCredentialsRefused:
        return EnrollExit::CredentialsRefused;
    case contract::kExitAddressRefused:
        return EnrollExit::AddressRefused;
    default:
        return EnrollExit::Failure;
    }
}

QByteArray jsonReport(const EnrollOutcome &outcome)
{
    QJsonObject object = outcome.details;
    object.insert(QStringLiteral("ok"), outcome.status == EnrollExit::Success);
    object.insert(QStringLiteral("status"), int(outcome.status));
    object.insert(QStringLiteral("message"), outcome.message);
    if (!outcome.note.isEmpty())
        object.insert(QStringLiteral("note"), outcome.note);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray textReport(const EnrollOutcome &outcome)
{
    QString text = outcome.message + QLatin1Char('\n');
    if (!outcome.note.isEmpty())
        text += outcome.note + QLatin1Char('\n');
    return text.toUtf8();
}

} // namespace installer
