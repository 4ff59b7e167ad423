// The menu-bar application as the sandbox runs it, but reading the process table with another
// program: with a trivial one, its start-up shows what the listing costs it.
// Usage: bench-menubar-variant SANDBOX LISTING-PROGRAM
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        qCritical("usage: bench-menubar-variant SANDBOX LISTING-PROGRAM");
        return 2;
    }
    const sandbox::Sandbox box(QString::fromLocal8Bit(argv[1]));
    contract::AgentPaths paths = box.paths();
    paths.ps = QString::fromLocal8Bit(argv[2]);
    platform::FileLogSink log(box.logFile());
    QSettings settings(box.settingsFile(), QSettings::IniFormat);
    return menubar::runMenuBarApplication(paths, log, settings, {QStringLiteral("en")});
}
