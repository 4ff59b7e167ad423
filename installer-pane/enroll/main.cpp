// osagent-enroll: enrols this machine from a script, as the registration page does from its window, or uninstalls.
#include "common/BundleIdentifiers.h"
#include "installer-pane/enroll/EnrollCommand.h"
#include "installer-pane/enroll/SystemDefaults.h"
#include "platform/AdministratorShell.h"
#include "platform/LogSink.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSysInfo>

#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    platform::installTranslations(QLocale::system().uiLanguages());
    const contract::AgentPaths paths;
    // Inside the application's bundle: its subsystem, a category of its own.
    const auto log = std::make_shared<platform::SystemLogSink>(contract::toQString(contract::kMenuBarBundleIdentifier),
                                                               QStringLiteral("enroll"));
    installer::EnrollDependencies dependencies{
        paths,
        ::geteuid() == 0,
        std::make_shared<platform::SystemAdministratorShell>(paths.pkexec, paths.shell),
        [] { return installer::consoleUserOf(contract::toQString(contract::kConsoleDevice)); },
        installer::loggedInUsers,
        [] { return QSysInfo::machineHostName(); },
        [](const QByteArray &prompt) { return installer::readStandardInput(STDIN_FILENO, prompt); },
        installer::writeStandardOutput,
        installer::writeStandardError,
        log,
        std::make_shared<installer::ManagedSettingsReader>(installer::readSystemManagedSettings, log),
    };
    return installer::EnrollCommand(std::move(dependencies)).run(QCoreApplication::arguments());
}
