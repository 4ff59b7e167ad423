// The enrol command on a sandbox: the shipped wiring with the sandbox's paths (its application, jobs, logs and
// package receipts too), its authorisation stand-in and its managed settings file, whose warnings go to the
// sandbox's log.
// Usage: sandbox-osagent-enroll SANDBOX MODE COMMAND [OPTIONS...], MODE one of
//   root             as the superuser, with the caller logged in at the console;
//   root-no-console  as the superuser while no one is logged in;
//   user             as a user, through the stand-in pkexec.
#include "installer-pane/enroll/EnrollCommand.h"
#include "installer-pane/enroll/SystemDefaults.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QStringList modes{QStringLiteral("root"), QStringLiteral("root-no-console"), QStringLiteral("user")};
    if (arguments.size() < 3 || !modes.contains(arguments.at(2))) {
        qCritical("usage: sandbox-osagent-enroll SANDBOX root|root-no-console|user COMMAND [OPTIONS...]");
        return 2;
    }
    const sandbox::Sandbox box(arguments.at(1));
    const QString mode = arguments.at(2);
    const contract::AgentPaths paths = box.paths();
    const auto log = std::make_shared<platform::FileLogSink>(box.logFile());
    installer::EnrollDependencies dependencies{
        paths,
        mode != QLatin1String("user"),
        std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell),
        [mode]() -> std::optional<uint> {
            if (mode == QLatin1String("root-no-console"))
                return std::nullopt;
            return uint(::getuid());
        },
        [] { return QList<uint>(); }, // the console's user alone
        [] { return QSysInfo::machineHostName(); },
        [](const QByteArray &prompt) { return installer::readStandardInput(STDIN_FILENO, prompt); },
        installer::writeStandardOutput,
        installer::writeStandardError,
        log,
        std::make_shared<installer::ManagedSettingsReader>(box.managedSettingsSource(), log),
    };
    return installer::EnrollCommand(std::move(dependencies))
        .run(QStringList{QStringLiteral("osagent-enroll")} + arguments.mid(3));
}
