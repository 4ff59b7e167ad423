// Cost of one status check of the menu-bar application's controller against a bare run of the
// process listing it reads. Usage: bench-poll-cost [PAIRS]
//
// The controller checks on a zero-interval timer here, so that its own timer path is what is
// measured: the tick, the listing through the real ProcessHelper, the parse and the queued update.
// A check ends when the update has reached observers (the icon name is published last); the bare
// run follows it at once, so the two alternate throughout.
#include "bench/BenchSupport.h"
#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/service/ServicesController.h"
#include "platform/AlertPresenter.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "platform/UrlOpener.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>

namespace {

constexpr int kWarmUpPairs = 5;
constexpr double kTargetRatio = 1.10;

// Only the first check changes the state, so the shipped sink would see a single line; keep files out of it.
class DiscardingLogSink : public platform::LogSink
{
public:
    void write(platform::LogLevel, const QString &) override {}
};

class NoAlerts : public platform::AlertPresenter
{
public:
    int runModal(const platform::Alert &) override { return platform::kAlertNoButton; }
};

class NoUrls : public platform::UrlOpener
{
public:
    bool openUrl(const QUrl &) override { return false; }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(50, std::atoi(argv[1])) : 100;

    QTemporaryDir scratch;
    contract::AgentPaths paths;
    // No configuration, so the controller never tries to start the daemon; ps stays the real one.
    paths.installedConfigFile = scratch.filePath(QStringLiteral("absent.cfg"));
    paths.osascript = scratch.filePath(QStringLiteral("absent-osascript"));
    paths.pkexec = scratch.filePath(QStringLiteral("absent-pkexec"));
    menubar::ProcessHelper runner({paths.osascript, paths.pkexec, paths.shell});
    DiscardingLogSink log;
    NoAlerts alerts;
    NoUrls urls;
    const platform::ChildProcessRequest bareRequest{
        paths.ps, {QStringLiteral("-axco"), QStringLiteral("comm")}, std::nullopt, false};

    std::vector<double> checkWall, checkCpu, bareWall, bareCpu;
    int seen = 0;
    bench::Stopwatch check;
    menubar::ServicesController controller({runner, log, alerts, urls, paths, std::chrono::milliseconds(0)});
    QObject::connect(&controller, &menubar::ServicesController::iconNameChanged, &app, [&] {
        const bench::Usage checked = check.elapsed();
        bench::Stopwatch bare;
        platform::runChildProcess(bareRequest);
        const bench::Usage bareRun = bare.elapsed();
        if (++seen > kWarmUpPairs) {
            checkWall.push_back(checked.wallMs);
            checkCpu.push_back(checked.cpuMs);
            bareWall.push_back(bareRun.wallMs);
            bareCpu.push_back(bareRun.cpuMs);
        }
        if (int(checkWall.size()) == pairs) {
            controller.stopChecking();
            QCoreApplication::quit();
        }
        check.restart();
    });
    QCoreApplication::exec();

    const double wallRatio = bench::median(checkWall) / bench::median(bareWall);
    const double cpuRatio = bench::median(checkCpu) / bench::median(bareCpu);
    bench::printFigure(
        QStringLiteral("poll cost: status check %1 ms wall, %2 ms CPU; bare ps %3 ms wall, %4 ms CPU (median of %5 "
                       "each, interleaved); ratio %6x wall, %7x CPU; target <= %8x both: %9")
            .arg(bench::median(checkWall), 0, 'f', 2)
            .arg(bench::median(checkCpu), 0, 'f', 2)
            .arg(bench::median(bareWall), 0, 'f', 2)
            .arg(bench::median(bareCpu), 0, 'f', 2)
            .arg(pairs)
            .arg(wallRatio, 0, 'f', 3)
            .arg(cpuRatio, 0, 'f', 3)
            .arg(kTargetRatio, 0, 'f', 2)
            .arg(QLatin1String(bench::verdict(wallRatio <= kTargetRatio && cpuRatio <= kTargetRatio))));
    return 0;
}
