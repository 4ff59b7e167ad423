#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace installer {

class AgentRegistration;

// The fields of a registration, in the order in which they are checked.
enum class RegistrationField { AgentGuid, Address, Login, Password, Name };

// The values of one registration as typed into a form or given to the enrol command. A GUID makes it
// a re-registration.
struct RegistrationValues
{
    std::optional<QString> agentGuid;
    QString address;
    QString login;
    QString password;
    QString name;
};

// The one copy of the rules that the forms and the enrol command share, with their messages under one
// translation context: which field is reported first, what counts as empty, how values are trimmed.
class RegistrationFields
{
    Q_DECLARE_TR_FUNCTIONS(installer::RegistrationFields)

public:
    // The first empty value in the fixed order (GUID, address, login, password, name). Blanks are text,
    // so a value of blanks is not empty: it is checked before it is trimmed.
    static std::optional<RegistrationField> firstEmptyField(const RegistrationValues &values);
    static QString emptyFieldMessage(RegistrationField field);

    // Removes white space and line breaks (Unicode Z, U+0009 to U+000D, U+0085) from both ends.
    static QString trimmedValue(const QString &text);
    static RegistrationValues trimmed(const RegistrationValues &values);

    // Registers or re-registers with the values as given; throws RegistrationError.
    static void registerWith(AgentRegistration &registration, const RegistrationValues &values);
    static QString successMessage(const RegistrationValues &values);
};

} // namespace installer
