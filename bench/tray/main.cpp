// The menu-bar application against a minimal Qt tray application, on the X display of DISPLAY with
// a tray host already running: start-up until the item is embedded, then memory and CPU at rest.
// Usage: bench-tray [STARTUP-RUNS [REST-SECONDS]]
//
// The menu-bar application is the sandbox's entry on a fresh sandbox: no configuration, so it never
// starts the daemon, but it checks the process table every 5 s as shipped and logs to a file. Its
// first-start offer of the registration window is taken as made already (an item ended as soon as it is
// in the tray may not have got so far); at rest a first start with the window, closed, is measured beside it.
#include "bench/BenchSupport.h"
#include "bench/BenchTools.h"
#include "bench/tray/TrayBench.h"
#include "bench/tray/TrayWatcher.h"
#include "menubar-app/ui/RegistrationOffer.h"
#include "platform/ChildProcess.h"
#include "sandbox/Sandbox.h"
#include "sandbox/SandboxSession.h"
#include "sandbox/SandboxTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <stdexcept>

namespace {

// An enrolled machine: the application starts the daemon when it is not running.
bool layOutEnrolled(const sandbox::Sandbox &box)
{
    if (!box.create())
        return false;
    box.setAuthoriseAnswer(QStringLiteral("allow"));
    box.setFullDiskAccess(true);
    const QString config = box.paths().installedConfigFile;
    QDir().mkpath(QFileInfo(config).absolutePath());
    QFile file(config);
    return file.open(QIODevice::WriteOnly) && file.write("server=127.0.0.1:1\n") > 0;
}

// The stand-in launchctl returns once the daemon is up or gone.
void launchctl(const sandbox::Sandbox &box, const QString &subcommand)
{
    platform::runChildProcess(
        {box.paths().launchctl, {subcommand, contract::toQString(contract::kServiceLabel)}, std::nullopt, false});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    // The applications must reach the display, whatever platform the caller's tests use.
    qunsetenv("QT_QPA_PLATFORM");

    QTemporaryDir scratch;
    const sandbox::Sandbox fresh(scratch.filePath(QStringLiteral("fresh")));
    const sandbox::Sandbox enrolled(scratch.filePath(QStringLiteral("enrolled")));
    const sandbox::Sandbox firstStart(scratch.filePath(QStringLiteral("first-start")));
    if (!scratch.isValid() || !fresh.create() || !layOutEnrolled(enrolled) || !firstStart.create()) {
        bench::printFigure(QStringLiteral("tray figures: not measured: cannot lay out the sandboxes"));
        return 0;
    }
    QSettings(fresh.settingsFile(), QSettings::IniFormat)
        .setValue(QLatin1String(menubar::RegistrationOffer::kOpenedAtStartKey), true);
    const QString menuBarApp = QString::fromUtf8(sandbox::tools::kMenuBarApp);
    const bench::Contender product{QStringLiteral("menu-bar app"), {menuBarApp, fresh.root()}};
    const bench::Contender cheapListing{
        QStringLiteral("menu-bar app listing with /bin/echo instead of ps"),
        {QString::fromUtf8(bench::tools::kMenuBarVariant), fresh.root(), QStringLiteral("/bin/echo")}};
    const bench::Contender minimal{QStringLiteral("minimal tray app"), {QString::fromUtf8(bench::tools::kMinimalTray)}};
    const bench::Contender enrolledProduct{QStringLiteral("menu-bar app"), {menuBarApp, enrolled.root()}};
    const bench::Contender enrolledRunning{QStringLiteral("menu-bar app, enrolled machine with the daemon running"),
                                           enrolledProduct.command,
                                           [&enrolled] { launchctl(enrolled, QStringLiteral("start")); }, true};
    const bench::Contender enrolledStopped{QStringLiteral("menu-bar app, enrolled machine with the daemon stopped"),
                                           enrolledProduct.command,
                                           [&enrolled] { launchctl(enrolled, QStringLiteral("stop")); }, true};

    sandbox::SandboxSession enrolledSession(enrolled);
    try {
        bench::TrayWatcher watcher;
        bench::TrayBench bench(watcher, scratch.filePath(QStringLiteral("applications.log")));
        bench.startUp({product, cheapListing, enrolledRunning, enrolledStopped, minimal}, runs);
        bench.rest(
            {product, enrolledProduct, {QStringLiteral("menu-bar app"), {menuBarApp, firstStart.root()}}, minimal},
            seconds);
    } catch (const std::exception &error) {
        bench::printFigure(QStringLiteral("tray figures: not measured: %1").arg(QString::fromLocal8Bit(error.what())));
    }
    enrolledSession.stop();
    return 0;
}
