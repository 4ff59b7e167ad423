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

struct Command
{
    QString word;
    EnrollAction action;
    QStringList required; // besides a password source, when it takes one
    QStringList optional; // besides --json and --help
    bool takesPassword;
};

const std::array<Command, 3> kCommands{{
    {QStringLiteral("register"),
     EnrollAction::Register,
     {kAddress, kLogin},
     {kName, kPasswordStdin, kPasswordFile},
     true},
    {QStringLiteral("reregister"),
     EnrollAction::ReRegister,
     {kGuid, kAddress, kLogin},
     {kName, kPasswordStdin, kPasswordFile},
     true},
    {QStringLiteral("status"), EnrollAction::Status, {}, {}, false},
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

bool isManaged(const QString &option, const ManagedSettings &managed)
{
    const auto options = managedOptions(managed);
    return std::any_of(options.begin(), options.end(), [&option](const ManagedOption &managedOption) {
        return managedOption.option == option && managedOption.value;
    });
}

const Command *findCommand(const QString &word)
{
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [&word](const Command &command) { return command.word == word; });
    return found == kCommands.end() ? nullptr : &*found;
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
    for (const QString &name : command.required) {
        if (!parser.isSet(name) && !isManaged(name, managed))
            return EnrollOptions::tr("--%1 is missing").arg(name);
    }
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
    });
    const bool parsed = parser.parse(arguments);
    const bool json = parser.isSet(kJson);
    if (parser.isSet(kHelp))
        return EnrollRequest{};
    if (!parsed)
        return EnrollUsageError{parser.errorText(), json};

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return EnrollUsageError{tr("Name a command: register, reregister or status"), json};
    // Positional arguments are never repeated: the likeliest one to stray here is a password.
    const Command *command = findCommand(positional.first());
    if (!command)
        return EnrollUsageError{tr("Unknown command; the commands are register, reregister and status"), json};
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
    return request;
}

QString EnrollOptions::usage()
{
    return tr("Usage:\n"
              "  osagent-enroll register   --address HOST:PORT --login LOGIN [--name NAME] PASSWORD-SOURCE [--json]\n"
              "  osagent-enroll reregister --guid GUID --address HOST:PORT --login LOGIN [--name NAME]\n"
              "                            PASSWORD-SOURCE [--json]\n"
              "  osagent-enroll status     [--json]\n"
              "\n"
              "Registers this machine with the backup server as the installer's registration page does, or\n"
              "tells whether it is enrolled and whether the agent daemon runs.\n"
              "\n"
              "PASSWORD-SOURCE is one of:\n"
              "  --password-stdin       read the password from standard input, up to its end\n"
              "  --password-file FILE   read it from FILE, which no one but its owner (you or root) may read\n"
              "\n"
              "  --name NAME   the node's name; this machine's host name when left out\n"
              "  --json        print one JSON object on standard output instead of the message on\n"
              "                standard error\n"
              "  -h, --help    print this text\n"
              "\n"
              "Exit status: 0 success, 3 can't connect to the server, 4 incorrect credentials, 5 incorrect\n"
              "address, 64 usage error, 65 empty field, 77 password file permissions, 1 anything else.\n"
              "\n"
              "Example, as root from a device-management script:\n"
              "  printf '%s' \"$PASSWORD\" | osagent-enroll register --address backup.example.com:7443 \\\n"
              "      --login fleet --password-stdin\n") +
           tr("\n"
              "Where your organisation has set the server address, login or node name (ServerAddress, Login,\n"
              "NodeName), --address, --login and --name may be left out; given, they must match.\n");
}

} // namespace installer
