#include "menubar-app/service/ProcessError.h"

namespace menubar {

ProcessError::ProcessError(QString domain, long long code, std::optional<QString> message)
    : m_domain(std::move(domain))
    , m_code(code)
    , m_message(std::move(message))
    , m_what(description().toUtf8())
{}

ProcessError ProcessError::missingData()
{
    return ProcessError(QStringLiteral("Missing data"), 0);
}

ProcessError ProcessError::failedToDecodeOutput()
{
    return ProcessError(QStringLiteral("Failed to decode output"), 0);
}

ProcessError ProcessError::posix(int errorNumber, const QString &message)
{
    return ProcessError(QStringLiteral("NSPOSIXErrorDomain"), errorNumber, message);
}

QString ProcessError::description() const
{
    return QStringLiteral("Error Domain=%1 Code=%2 \"%3\"")
        .arg(m_domain)
        .arg(m_code)
        .arg(m_message.value_or(QStringLiteral("(null)")));
}

const char *ProcessError::what() const noexcept
{
    return m_what.constData();
}

} // namespace menubar
