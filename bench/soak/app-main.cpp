// The menu-bar application as shipped, on a sandbox, checking the process table at a pace of the
// soak's choosing and through a listing program of its choosing (one that counts the checks). Its
// registration window is taken as shown already: the soak is about the item, not a window left open.
// Usage: bench-soak-app SANDBOX CHECK-INTERVAL-MS LISTING-PROGRAM
#include "menubar-app/ui/MenuBarApplication.h"
#include "menubar-app/ui/RegistrationOffer.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 4) {
        qCritical("usage: bench-soak-app SANDBOX CHECK-INTERVAL-MS LISTING-PROGRAM");
        return 2;
    }
    const sandbox::Sandbox box(QString::fromLocal8Bit(argv[1]));
    contract::AgentPaths paths = box.paths();
    paths.ps = QString::fromLocal8Bit(argv[3]);
    platform::FileLogSink log(box.logFile());
    QSettings settings(box.settingsFile(), QSettings::IniFormat);
    settings.setValue(QLatin1String(menubar::RegistrationOffer::kOpenedAtStartKey), true);
    return menubar::runMenuBarApplication(paths, log, settings, {QStringLiteral("en")},
                                          std::chrono::milliseconds(QByteArray(argv[2]).toInt()));
}
