#include "common/BundleIdentifiers.h"
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>

int main(int argc, char *argv[])
{
    const contract::AgentPaths paths;
    QApplication app(argc, argv);
    platform::SystemLogSink log(contract::toQString(contract::kMenuBarBundleIdentifier), QStringLiteral("status"));
    QSettings settings(QSettings::UserScope, QString::fromLatin1(menubar::kSettingsOrganization),
                       QString::fromLatin1(menubar::kSettingsApplication));
    return menubar::runMenuBarApplication(paths, log, settings, QLocale::system().uiLanguages(),
                                          installer::readSystemManagedSettings);
}
