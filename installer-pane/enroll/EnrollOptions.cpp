#include "installer-pane/enroll/EnrollOptions.h"

#include "common/AgentPaths.h"
#include "installer-pane/registration/RegistrationFields.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>

namespace installer {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kJson = QStringLiteral("json");
const QString kGuid = QStringLiteral("guid");
const QString kAddress = QStringLiteral("address");
const QString kLogin = QStringLiteral("login");
const QString kName = QStringLiteral("name");
const QString kPasswordStdin = QStringLiteral("password-stdin");
const QString kPasswordFile = QStringLiteral("password-file");
const QString kKeepConfiguration = QStringLiteral("keep-configuration");
const QString kForce = QStringLiteral("force");

struct Command
{
    QString word;
    EnrollAction action;
    QStringList required; // besides a password source, when it takes one
    QStringList optional; // besides --json and --help
    bool takesPassword;
};

const std::array<Command, 4> kCommands{{
    {QStringLiteral("register"),
     EnrollAction::Register,
     {kAddress, kLogin},
     {kName, kPasswordStdin, kPasswordFile, kForce},
     true},
    {QStringLiteral("reregister"),
     EnrollAction::ReRegister,
     {kGuid, kAddress, kLogin},
     {kName, kPasswordStdin, kPasswordFile},
     true},
    {QStringLiteral("status"), EnrollAction::Status, {}, {}, false},
    {QStringLiteral("uninstall"), EnrollAction::Uninstall, {}, {kKeepConfiguration}, false},
}};

// An option whose value an administrator may set, with the setting's name.
struct ManagedOption
{
    QString option;
    std::string_view key;
    const std::optional<QString> &value;
};

std::array<ManagedOption, 3> managedOptions(const ManagedSettings &managed)
{
    return {{{kAddress, contract::kManagedServerAddressKey, managed.serverAddress},
             {kLogin, contract::kManagedLoginKey, managed.login},
             {kName, contract::kManagedNodeNameKey, managed.nodeName}}};
}

// The option's setting, when an administrator may set its value.
const ManagedOption *managedOption(const std::array<ManagedOption, 3> &options, const QString &option)
{
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&option](const ManagedOption &managed) { return managed.option == option; });
    return found == options.end() ? nullptr : &*found;
}

const Command *findCommand(const QString &word)
{
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [&word](const Command &command) { return command.word == word; });
    return found == kCommands.end() ? nullptr : &*found;
}

// The first option the command requires that is neither given nor managed, said as a script needs it: where the
// administrator's value was meant to stand in, with what kept it out.
std::optional<QString> missingOption(const QCommandLineParser &parser, const Command &command,
                                     const ManagedSettings &managed)
{
    const std::array<ManagedOption, 3> options = managedOptions(managed);
    for (const QString &name : command.required) {
        const ManagedOption *setting = managedOption(options, name);
        if (parser.isSet(name) || (setting && setting->value))
            continue;
        const QString why = setting ? managed.whyMissing(contract::toQString(setting->key)) : QString();
        return why.isEmpty() ? EnrollOptions::tr("--%1 is missing").arg(name)
                             : EnrollOptions::tr("--%1 is missing (%2)").arg(name, why);
    }
    return std::nullopt;
}

// Why the options given do not fit the command, or nothing when they do.
std::optional<QString> misfit(const QCommandLineParser &parser, const Command &command, const ManagedSettings &managed)
{
    QStringList seen;
    for (const QString &name : parser.optionNames()) {
        if (name != kJson && !command.required.contains(name) && !command.optional.contains(name))
            return EnrollOptions::tr("--%1 does not apply to %2").arg(name, command.word);
        if (seen.contains(name))
            return EnrollOptions::tr("--%1 is given more than once").arg(name);
        seen << name;
    }
    if (std::optional<QString> missing = missingOption(parser, command, managed))
        return missing;
    if (command.takesPassword && parser.isSet(kPasswordStdin) == parser.isSet(kPasswordFile)) {
        return parser.isSet(kPasswordStdin)
                   ? EnrollOptions::tr("Give the password through --password-stdin or --password-file, not both")
                   : EnrollOptions::tr("Give the password through --password-stdin or --password-file");
    }
    // The administrator's value wins, and quietly taking either one would surprise whoever relied on the other.
    for (const ManagedOption &option : managedOptions(managed)) {
        if (option.value && parser.isSet(option.option) &&
            RegistrationFields::trimmedValue(parser.value(option.option)) != *option.value) {
            return EnrollOptions::tr("--%1 differs from %2, which your organisation has set; leave --%1 out")
                .arg(option.option, contract::toQString(option.key));
        }
    }
    return std::nullopt;
}

} // namespace

std::variant<EnrollRequest, EnrollUsageError> EnrollOptions::parse(const QStringList &arguments,
                                                                   const ManagedSettings &managed)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {{QStringLiteral("h"), kHelp}, QString()},
        {kJson, QString()},
        {kGuid, QString(), QStringLiteral("GUID")},
        {kAddress, QString(), QStringLiteral("HOST:PORT")},
        {kLogin, QString(), QStringLiteral("LOGIN")},
        {kName, QString(), QStringLiteral("NAME")},
        {kPasswordStdin, QString()},
        {kPasswordFile, QString(), QStringLiteral("FILE")},
        {kKeepConfiguration, QString()},
        {kForce, QString()},
    });
    const bool parsed = parser.parse(arguments);
    const bool json = parser.isSet(kJson);
    if (parser.isSet(kHelp))
        return EnrollRequest{};
    if (!parsed)
        return EnrollUsageError{parser.errorText(), json};

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return EnrollUsageError{tr("Name a command: register, reregister, status or uninstall"), json};
    // Positional arguments are never repeated: the likeliest one to stray here is a password.
    const Command *command = findCommand(positional.first());
    if (!command)
        return EnrollUsageError{tr("Unknown command; the commands are register, reregister, status and uninstall"),
                                json};
    if (positional.size() > 1) {
        return EnrollUsageError{
            tr("Unexpected argument after %1 (not shown: a password is never given as an argument)").arg(command->word),
            json};
    }
    if (const std::optional<QString> why = misfit(parser, *command, managed))
        return EnrollUsageError{*why, json};

    EnrollRequest request{command->action, std::nullopt, parser.value(kAddress), parser.value(kLogin), std::nullopt,
                          std::nullopt,    json};
    if (parser.isSet(kGuid))
        request.agentGuid = parser.value(kGuid);
    if (parser.isSet(kName))
        request.name = parser.value(kName);
    if (command->takesPassword) {
        request.address = managed.serverAddress.value_or(request.address);
        request.login = managed.login.value_or(request.login);
        if (managed.nodeName)
            request.name = managed.nodeName;
    }
    if (parser.isSet(kPasswordFile))
        request.passwordFile = parser.value(kPasswordFile);
    request.keepConfiguration = parser.isSet(kKeepConfiguration);
    request.force = parser.isSet(kForce);
    return request;
}

} // namespace installer
