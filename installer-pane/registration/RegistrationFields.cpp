#include "installer-pane/registration/RegistrationFields.h"

#include "installer-pane/registration/AgentRegistration.h"

#include <array>
#include <utility>

namespace installer {

std::optional<RegistrationField> RegistrationFields::firstEmptyField(const RegistrationValues &values)
{
    const std::array<std::pair<RegistrationField, const QString *>, 5> inOrder{{
        {RegistrationField::AgentGuid, values.agentGuid ? &*values.agentGuid : nullptr},
        {RegistrationField::Address, &values.address},
        {RegistrationField::Login, &values.login},
        {RegistrationField::Password, &values.password},
        {RegistrationField::Name, &values.name},
    }};
    for (const auto &[field, value] : inOrder) {
        if (value && value->isEmpty())
            return field;
    }
    return std::nullopt;
}

QString RegistrationFields::emptyFieldMessage(RegistrationField field)
{
    switch (field) {
    case RegistrationField::AgentGuid:
        return tr("Agent GUID field can't be empty");
    case RegistrationField::Address:
        return tr("Node address field can't be empty");
    case RegistrationField::Login:
        return tr("Login field can't be empty");
    case RegistrationField::Password:
        return tr("Password field can't be empty");
    case RegistrationField::Name:
        return tr("Name field can't be empty");
    }
    return QString();
}

QString RegistrationFields::trimmedValue(const QString &text)
{
    // QString::trimmed() strips exactly QChar::isSpace(): category Z, U+0009 to U+000D and U+0085.
    return text.trimmed();
}

RegistrationValues RegistrationFields::trimmed(const RegistrationValues &values)
{
    RegistrationValues result{std::nullopt, trimmedValue(values.address), trimmedValue(values.login),
                              trimmedValue(values.password), trimmedValue(values.name)};
    if (values.agentGuid)
        result.agentGuid = trimmedValue(*values.agentGuid);
    return result;
}

void RegistrationFields::registerWith(AgentRegistration &registration, const RegistrationValues &values)
{
    if (values.agentGuid) {
        registration.reRegisterWithAgentGuid(*values.agentGuid, values.address, values.login, values.password,
                                             values.name);
    } else {
        registration.registerWithAddress(values.address, values.login, values.password, values.name);
    }
}

QString RegistrationFields::successMessage(const RegistrationValues &values)
{
    return values.agentGuid ? tr("Re-registration success") : tr("Registration success");
}

} // namespace installer
