#include "installer-pane/registration/RegistrationError.h"

namespace installer {

RegistrationError::RegistrationError(QString reason)
    : m_reason(std::move(reason))
    , m_what(m_reason.toUtf8())
{}

} // namespace installer
