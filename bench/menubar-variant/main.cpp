// The menu-bar application as the sandbox runs it, but reading the process table with another program
// and, where given, at another pace: with a trivial listing its start-up shows whether a listing still
// holds up the item; with one that counts, the soak knows how many checks it made. Its registration window is taken as
// shown already: the figures are about the item, not a window left open.
// Usage: bench-menubar-variant SANDBOX LISTING-PROGRAM [CHECK-INTERVAL-MS]
#include "menubar-app/ui/MenuBarApplication.h"
#include "menubar-app/ui/RegistrationOffer.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char *argv[])
{
    if (argc != 3 && argc != 4) {
        qCritical("usage: bench-menubar-variant SANDBOX LISTING-PROGRAM [CHECK-INTERVAL-MS]");
        return 2;
    }
    const sandbox::Sandbox box(QString::fromLocal8Bit(argv[1]));
    contract::AgentPaths paths = box.paths();
    paths.ps = QString::fromLocal8Bit(argv[2]);
    QApplication app(argc, argv);
    platform::FileLogSink log(box.logFile());
    QSettings settings(box.settingsFile(), QSettings::IniFormat);
    settings.setValue(QLatin1String(menubar::RegistrationOffer::kOpenedAtStartKey), true);
    const std::chrono::milliseconds interval =
        argc == 4 ? std::chrono::milliseconds(QByteArray(argv[3]).toInt()) : menubar::kShippedCheckInterval;
    return menubar::runMenuBarApplication(paths, log, settings, {QStringLiteral("en")}, box.managedSettingsSource(),
                                          interval);
}
