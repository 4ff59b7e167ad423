#include "common/BundleIdentifiers.h"
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::SystemLogSink log(contract::toQString(contract::kMenuBarBundleIdentifier), QStringLiteral("status"));
    QSettings settings(QSettings::UserScope, QString::fromLatin1(menubar::kSettingsOrganization),
                       QString::fromLatin1(menubar::kSettingsApplication));
    return menubar::runMenuBarApplication(contract::AgentPaths(), log, settings, QLocale::system().uiLanguages(),
                                          installer::readSystemManagedSettings);
}
