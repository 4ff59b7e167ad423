#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::SystemLogSink log;
    return menubar::runMenuBarApplication(contract::AgentPaths(), log, QLocale::system().uiLanguages());
}
