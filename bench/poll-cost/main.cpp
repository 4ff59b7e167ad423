// Cost of one status check of the menu-bar application's controller against a bare run of the
// process listing it reads, first at today's process table, then with 100, 1,000 and 5,000 idle
// children of ours added to it. Usage: bench-poll-cost [PAIRS]
//
// The controller checks on a zero-interval timer here, so that its own timer path is what is
// measured: the tick, the listing through the real ProcessHelper, the parse and the queued update.
// A check ends when the update has reached observers (the icon name is published last); the bare
// run follows it at once, so the two alternate throughout. This process is the one running the
// controller, so its own memory after the checks is the application's at that table size.
#include "bench/BenchSupport.h"
#include "bench/poll-cost/IdleProcesses.h"
#include "common/AgentContract.h"
#include "menubar-app/service/ProcessHelper.h"
#include "menubar-app/service/ServicesController.h"
#include "platform/AlertPresenter.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "platform/UrlOpener.h"
#include "platform/Utf8.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>

namespace {

constexpr double kTargetRatio = 1.10;
constexpr double kCurveTargetRatio = 1.05;
// Anonymous memory only: resident library pages grow with whichever code ran first (our own printing
// included), not with the table. One check at 5,000 holds the listing (under 100 KB), its UTF-16 copy
// and a string per line, about half a megabyte, all freed when it returns but possibly kept by the
// allocator; a megabyte leaves room for that and still catches 200 bytes kept per process.
constexpr double kGrowthTargetMb = 1.0;

struct Step
{
    int extraProcesses;
    int pairsDivisor; // one ps takes the better part of a second at 5,000: fewer pairs there
    int warmUpPairs;
};
constexpr Step kSteps[] = {{0, 1, 5}, {100, 1, 5}, {1000, 3, 1}, {5000, 5, 1}};
constexpr int kParseRuns = 21;

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

struct Point
{
    int extraProcesses = 0;
    int listed = 0;
    int pairs = 0;
    double checkWallMs = 0.0;
    double checkCpuMs = 0.0;
    double bareWallMs = 0.0;
    double bareCpuMs = 0.0;
    double parseCpuMs = 0.0;
    bench::Memory afterWarmUp;
    bench::Memory memory; // after all the checks
    QString error;

    double wallRatio() const { return checkWallMs / bareWallMs; }
    double cpuRatio() const { return checkCpuMs / bareCpuMs; }
    bool within(double target) const { return wallRatio() <= target && cpuRatio() <= target; }
};

// The part of a check that is ours rather than ps's, timed alone on a listing: decoding it and scanning it.
double parseCpuMs(const QByteArray &listing)
{
    const QString processName = contract::toQString(contract::kProcessName);
    std::vector<double> cpu;
    for (int run = 0; run < kParseRuns; ++run) {
        const bench::Stopwatch parse;
        if (const std::optional<QString> text = platform::decodeUtf8(listing))
            menubar::ServicesController::processTableContains(*text, processName);
        cpu.push_back(parse.elapsed().cpuMs);
    }
    return bench::median(cpu);
}

// Runs `pairs` status checks of a fresh controller, each followed at once by a bare listing.
Point measure(const menubar::ServicesController::Dependencies &dependencies,
              const platform::ChildProcessRequest &bareRequest, int warmUpPairs, int pairs)
{
    Point point;
    point.pairs = pairs;
    std::vector<double> checkWall, checkCpu, bareWall, bareCpu;
    int seen = 0;
    QByteArray lastListing;
    QEventLoop loop;
    bench::Stopwatch check;
    menubar::ServicesController controller(dependencies);
    QObject::connect(&controller, &menubar::ServicesController::iconNameChanged, &loop, [&] {
        const bench::Usage checked = check.elapsed();
        bench::Stopwatch bare;
        QByteArray listing;
        try {
            listing = platform::runChildProcess(bareRequest).output;
        } catch (const platform::SystemError &error) {
            point.error = QStringLiteral("the bare listing failed: ") + error.message();
            controller.stopChecking();
            loop.quit();
            return;
        }
        const bench::Usage bareRun = bare.elapsed();
        // Memory taken by each check and never given back would show as a difference from this reading.
        if (seen == warmUpPairs)
            point.afterWarmUp = bench::ownMemory();
        if (++seen > warmUpPairs) {
            checkWall.push_back(checked.wallMs);
            checkCpu.push_back(checked.cpuMs);
            bareWall.push_back(bareRun.wallMs);
            bareCpu.push_back(bareRun.cpuMs);
        }
        if (int(checkWall.size()) == pairs) {
            lastListing = listing;
            controller.stopChecking();
            loop.quit();
        }
        check.restart();
    });
    loop.exec();
    point.memory = bench::ownMemory();
    point.listed = int(lastListing.count('\n')) - 1; // less the header
    point.parseCpuMs = parseCpuMs(lastListing);
    point.checkWallMs = bench::median(checkWall);
    point.checkCpuMs = bench::median(checkCpu);
    point.bareWallMs = bench::median(bareWall);
    point.bareCpuMs = bench::median(bareCpu);
    return point;
}

void printHeadline(const Point &point)
{
    bench::printFigure(
        QStringLiteral("poll cost: status check %1 ms wall, %2 ms CPU; bare ps %3 ms wall, %4 ms CPU (median of %5 "
                       "each, interleaved); ratio %6x wall, %7x CPU; target <= %8x both: %9")
            .arg(point.checkWallMs, 0, 'f', 2)
            .arg(point.checkCpuMs, 0, 'f', 2)
            .arg(point.bareWallMs, 0, 'f', 2)
            .arg(point.bareCpuMs, 0, 'f', 2)
            .arg(point.pairs)
            .arg(point.wallRatio(), 0, 'f', 3)
            .arg(point.cpuRatio(), 0, 'f', 3)
            .arg(kTargetRatio, 0, 'f', 2)
            .arg(QLatin1String(bench::verdict(point.within(kTargetRatio)))));
}

void printPoint(const Point &point, const QString &shortfall)
{
    bench::printFigure(
        QStringLiteral("poll cost at +%1 processes%2 (%3 listed): status check %4 ms wall, %5 ms CPU; bare ps %6 ms "
                       "wall, %7 ms CPU (median of %8 each, interleaved); ratio %9x wall, %10x CPU; decoding and "
                       "scanning the listing %11 ms CPU; resident %12 MB after the checks (peak %13 MB), of it "
                       "anonymous %14 MB after the warm-up and %15 MB after the checks; target <= %16x both: %17")
            .arg(point.extraProcesses)
            .arg(shortfall)
            .arg(point.listed)
            .arg(point.checkWallMs, 0, 'f', 2)
            .arg(point.checkCpuMs, 0, 'f', 2)
            .arg(point.bareWallMs, 0, 'f', 2)
            .arg(point.bareCpuMs, 0, 'f', 2)
            .arg(point.pairs)
            .arg(point.wallRatio(), 0, 'f', 3)
            .arg(point.cpuRatio(), 0, 'f', 3)
            .arg(point.parseCpuMs, 0, 'f', 3)
            .arg(point.memory.residentMb, 0, 'f', 2)
            .arg(point.memory.peakMb, 0, 'f', 2)
            .arg(point.afterWarmUp.anonymousMb, 0, 'f', 2)
            .arg(point.memory.anonymousMb, 0, 'f', 2)
            .arg(kCurveTargetRatio, 0, 'f', 2)
            .arg(QLatin1String(bench::verdict(point.within(kCurveTargetRatio)))));
}

void printVerdict(const std::vector<Point> &curve)
{
    if (curve.size() < 2) {
        bench::printFigure(QStringLiteral("poll cost curve: not measured beyond today's process table"));
        return;
    }
    const Point &first = curve.front();
    const Point &last = curve.back();
    const Point *worst = &first;
    bool withinEverywhere = true;
    for (const Point &point : curve) {
        withinEverywhere = withinEverywhere && point.within(kCurveTargetRatio);
        if (std::max(point.wallRatio(), point.cpuRatio()) > std::max(worst->wallRatio(), worst->cpuRatio()))
            worst = &point;
    }
    const double growthMb = last.memory.anonymousMb - first.memory.anonymousMb;
    const double perProcess = double(last.listed - first.listed);
    bench::printFigure(
        QStringLiteral("poll cost curve: highest ratio %1x (at +%2); per listed process, bare ps costs %3 us CPU and "
                       "decoding and scanning its line %4 us; anonymous resident memory grew by %5 MB from +%6 to +%7 "
                       "(all resident by %8 MB, peak by %9 MB); target <= %10x at every count and < %11 MB growth: "
                       "%12")
            .arg(std::max(worst->wallRatio(), worst->cpuRatio()), 0, 'f', 3)
            .arg(worst->extraProcesses)
            .arg(1e3 * (last.bareCpuMs - first.bareCpuMs) / perProcess, 0, 'f', 1)
            .arg(1e3 * (last.parseCpuMs - first.parseCpuMs) / perProcess, 0, 'f', 2)
            .arg(growthMb, 0, 'f', 2)
            .arg(first.extraProcesses)
            .arg(last.extraProcesses)
            .arg(last.memory.residentMb - first.memory.residentMb, 0, 'f', 2)
            .arg(last.memory.peakMb - first.memory.peakMb, 0, 'f', 2)
            .arg(kCurveTargetRatio, 0, 'f', 2)
            .arg(kGrowthTargetMb, 0, 'f', 0)
            .arg(QLatin1String(bench::verdict(withinEverywhere && growthMb < kGrowthTargetMb))));
}

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
    const menubar::ServicesController::Dependencies dependencies{runner, log,   alerts,
                                                                 urls,   paths, std::chrono::milliseconds(0)};
    const platform::ChildProcessRequest bareRequest{
        paths.ps, {QStringLiteral("-axco"), QStringLiteral("comm")}, std::nullopt, false};

    bench::IdleProcesses idle(QStringLiteral(BENCH_IDLE_PROCESS));
    std::vector<Point> curve;
    double startingMs = 0.0;
    for (const Step &step : kSteps) {
        const bench::Stopwatch starting;
        const QString why = idle.growTo(step.extraProcesses);
        startingMs += starting.elapsed().wallMs;
        const QString shortfall =
            why.isEmpty()
                ? QString()
                : QStringLiteral(" of %1 wanted (%2; %3)").arg(step.extraProcesses).arg(why, bench::processLimits());
        Point point = measure(dependencies, bareRequest, step.warmUpPairs, std::max(1, pairs / step.pairsDivisor));
        point.extraProcesses = idle.count();
        if (!point.error.isEmpty()) {
            bench::printFigure(
                QStringLiteral("poll cost at +%1 processes: not measured: %2").arg(idle.count()).arg(point.error));
            break;
        }
        if (step.extraProcesses == 0)
            printHeadline(point);
        printPoint(point, shortfall);
        curve.push_back(point);
        if (!why.isEmpty())
            break;
    }
    printVerdict(curve);

    const bench::Stopwatch ending;
    const bench::IdleProcesses::Ended ended = idle.endAll();
    bench::printFigure(
        QStringLiteral("  the %1 idle processes took %2 s to start; ended by PID and reaped in %3 s, %4 of "
                       "them needing SIGKILL")
            .arg(ended.count)
            .arg(startingMs / 1e3, 0, 'f', 1)
            .arg(ending.elapsed().wallMs / 1e3, 0, 'f', 1)
            .arg(ended.killed));
    return 0;
}
