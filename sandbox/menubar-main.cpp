// The menu-bar application on a sandbox: the shipped wiring with the sandbox's paths, its
// authorisation stand-in and a log file. Usage: sandbox-kelvane-os-agent SANDBOX
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: sandbox-kelvane-os-agent SANDBOX");
        return 2;
    }
    const sandbox::Sandbox box(QString::fromLocal8Bit(argv[1]));
    platform::FileLogSink log(box.logFile());
    return menubar::runMenuBarApplication(box.paths(), log);
}
