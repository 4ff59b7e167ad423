#include "installer-pane/registration/RegistrationError.h"

namespace installer {

RegistrationError::RegistrationError(QString reason, std::optional<qint32> daemonStatus)
    : m_reason(std::move(reason))
    , m_daemonStatus(daemonStatus)
    , m_what(m_reason.toUtf8())
{}

} // namespace installer
