#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/MenuBarApplication.h"
#include "platform/LogSink.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The system log under the bundle's identifier, the one every Mac user can filter by.
    const QString subsystem = menubar::BundleInfo::mainBundle()
                                  .stringForKey(QLatin1String(menubar::BundleInfo::kIdentifierKey))
                                  .value_or(QString()); // always there: the Info.plist is built in
    platform::SystemLogSink log(subsystem, QStringLiteral("status"));
    QSettings settings(QSettings::UserScope, QString::fromLatin1(menubar::kSettingsOrganization),
                       QString::fromLatin1(menubar::kSettingsApplication));
    return menubar::runMenuBarApplication(contract::AgentPaths(), log, settings, QLocale::system().uiLanguages());
}
