#pragma once

#include "installer-pane/registration/ManagedSettings.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace installer {

enum class EnrollAction { Register, ReRegister, Status, Uninstall, Help };

// What the command was asked to do, before any value is checked or trimmed. The password is never
// among the arguments, only where to read it.
struct EnrollRequest
{
    EnrollAction action = EnrollAction::Help;
    std::optional<QString> agentGuid; // a re-registration's
    QString address;
    QString login;
    std::optional<QString> name;         // none: this machine's host name
    std::optional<QString> passwordFile; // none: standard input
    bool json = false;
    bool keepConfiguration = false; // the uninstall's
    bool force = false;             // a register's on a machine already enrolled
    bool operator==(const EnrollRequest &) const = default;
};

// Arguments that ask for nothing the command can do; json tells how to report it.
struct EnrollUsageError
{
    QString message;
    bool json = false;
    bool operator==(const EnrollUsageError &) const = default;
};

class EnrollOptions
{
    Q_DECLARE_TR_FUNCTIONS(installer::EnrollOptions)

public:
    // The program's arguments, the program's own name first. No argument is ever repeated in an
    // error message but an option's name: a password put there by mistake stays out of the output.
    // A managed value stands in for its option (ServerAddress for --address, Login for --login, NodeName
    // for --name) when the option is left out; given, the option must match it once both are trimmed.
    static std::variant<EnrollRequest, EnrollUsageError> parse(const QStringList &arguments,
                                                               const ManagedSettings &managed = {});
};

} // namespace installer
