// The menu-bar application on a sandbox: the shipped wiring with the sandbox's paths, its
// authorisation stand-in, a log file and a settings file, in the system's language or the one given.
// Usage: sandbox-kelvane-os-agent SANDBOX [LANGUAGE]
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>

int main(int argc, char *argv[])
{
    if (argc != 2 && argc != 3) {
        qCritical("usage: sandbox-kelvane-os-agent SANDBOX [LANGUAGE]");
        return 2;
    }
    const sandbox::Sandbox box(QString::fromLocal8Bit(argv[1]));
    QApplication app(argc, argv);
    platform::FileLogSink log(box.logFile());
    const QStringList languages =
        argc == 3 ? QStringList{QString::fromLocal8Bit(argv[2])} : QLocale::system().uiLanguages();
    QSettings settings(box.settingsFile(), QSettings::IniFormat);
    return menubar::runMenuBarApplication(box.paths(), log, settings, languages, box.managedSettingsSource());
}
