#include "bench/tray/TrayBench.h"

#include "bench/BenchSupport.h"
#include "bench/tray/TrayApp.h"
#include "bench/tray/TrayWatcher.h"
#include "platform/ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr double kStartUpRatioTarget = 1.15;
constexpr double kStartUpTargetMs = 80.0;
constexpr double kMemoryRatioTarget = 1.05;
constexpr double kMemoryTargetMb = 30.0;
constexpr double kWindowReturnTargetMb = 1.0;
constexpr double kOwnCpuTargetPercent = 0.05;
constexpr auto kEmbedTimeout = 20s;
// Lets the tray host finish with the item that went away before the next one arrives.
constexpr auto kBetweenLaunches = 300ms;
// Once both items are in the tray, so that the window holds the idle state and not the last of start-up.
constexpr auto kSettle = 1s;

// CPU time of the children reaped while the work ran, in milliseconds.
double reapedChildrenMs(const std::function<void()> &work)
{
    rusage before{};
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &before);
    work();
    getrusage(RUSAGE_CHILDREN, &after);
    return 1e3 * (secondsOf(after.ru_utime) + secondsOf(after.ru_stime) - secondsOf(before.ru_utime) -
                  secondsOf(before.ru_stime));
}

// The least disturbed run: on a busy machine it says more about what the program itself needs.
double fastest(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

} // namespace

TrayBench::TrayBench(TrayWatcher &watcher, QString outputFile)
    : m_watcher(watcher)
    , m_outputFile(std::move(outputFile))
{}

double TrayBench::launchUntilEmbedded(const Contender &contender)
{
    if (contender.beforeLaunch)
        contender.beforeLaunch();
    TrayApp app(contender.command, m_outputFile);
    Stopwatch watch;
    app.launch();
    if (!m_watcher.waitUntilEmbedded(app.pid(), kEmbedTimeout))
        throw std::runtime_error(qPrintable(contender.name + QStringLiteral(" never appeared in the tray")));
    const double ms = watch.elapsed().wallMs;
    const pid_t pid = app.pid();
    app.terminate();
    m_watcher.forget(pid);
    std::this_thread::sleep_for(kBetweenLaunches);
    return ms;
}

void TrayBench::startUp(const QList<Contender> &contenders, int runs)
{
    // One launch each first: the libraries come off the disk only once.
    for (const Contender &contender : contenders)
        launchUntilEmbedded(contender);
    std::vector<std::vector<double>> ms(contenders.size());
    for (int run = 0; run < runs; ++run) {
        // Each goes first in turn, so that none always follows the same one's exit.
        for (qsizetype i = 0; i < contenders.size(); ++i) {
            const qsizetype which = (run + i) % contenders.size();
            ms[which].push_back(launchUntilEmbedded(contenders.at(which)));
        }
    }

    const double product = median(ms.front());
    const double minimal = median(ms.back());
    const double ratio = product / minimal;
    printFigure(
        QStringLiteral("start-up: %1 %2 ms, %3 %4 ms from launch to the item embedded in the tray (median of "
                       "%5 each, interleaved; fastest %6 and %7 ms); ratio %8x; target <= %9x and < %10 ms: %11")
            .arg(contenders.front().name)
            .arg(product, 0, 'f', 1)
            .arg(contenders.back().name)
            .arg(minimal, 0, 'f', 1)
            .arg(runs)
            .arg(fastest(ms.front()), 0, 'f', 1)
            .arg(fastest(ms.back()), 0, 'f', 1)
            .arg(ratio, 0, 'f', 2)
            .arg(kStartUpRatioTarget, 0, 'f', 2)
            .arg(kStartUpTargetMs, 0, 'f', 0)
            .arg(QLatin1String(verdict(ratio <= kStartUpRatioTarget && product < kStartUpTargetMs))));
    for (qsizetype i = 1; i + 1 < contenders.size(); ++i) {
        const double ratioBeside = median(ms[i]) / minimal;
        printFigure(QStringLiteral("  beside them: %1 %2 ms (fastest %3 ms); ratio %4x%5")
                        .arg(contenders.at(i).name)
                        .arg(median(ms[i]), 0, 'f', 1)
                        .arg(fastest(ms[i]), 0, 'f', 1)
                        .arg(ratioBeside, 0, 'f', 2)
                        .arg(contenders.at(i).judged
                                 ? QStringLiteral("; target <= %1x: %2")
                                       .arg(kStartUpRatioTarget, 0, 'f', 2)
                                       .arg(QLatin1String(verdict(ratioBeside <= kStartUpRatioTarget)))
                                 : QString()));
    }
}

void TrayBench::rest(const Resting &contenders, int seconds)
{
    // All idle in the same window, so that they share whatever else the machine is doing.
    TrayApp product(contenders.product.command, m_outputFile);
    TrayApp enrolled(contenders.enrolled.command, m_outputFile);
    TrayApp firstStart(contenders.firstStart.command, m_outputFile);
    TrayApp minimal(contenders.minimal.command, m_outputFile);
    for (TrayApp *app : {&product, &enrolled, &firstStart, &minimal})
        app->launch();
    for (const TrayApp *app : {&product, &enrolled, &firstStart, &minimal}) {
        if (!m_watcher.waitUntilEmbedded(app->pid(), kEmbedTimeout))
            throw std::runtime_error("an application never appeared in the tray");
    }
    std::this_thread::sleep_for(kSettle);
    const double windowOpenMb = firstStart.residentMb();
    const double windowOpenPrivateMb = firstStart.privateMb();
    const int closed = m_watcher.closeWindows(firstStart.pid());

    const CpuTime productStart = product.cpu();
    const CpuTime minimalStart = minimal.cpu();
    Stopwatch window;
    // A bare ps at the application's pace, in this process: what the listing costs without the application.
    double barePsMs = 0.0;
    int barePsRuns = 0;
    for (auto next = std::chrono::steady_clock::now(); window.elapsed().wallMs < seconds * 1000.0; next += 5s) {
        std::this_thread::sleep_until(next);
        if (window.elapsed().wallMs >= seconds * 1000.0)
            break;
        barePsMs += reapedChildrenMs([] {
            platform::runChildProcess(
                {QStringLiteral("/bin/ps"), {QStringLiteral("-axco"), QStringLiteral("comm")}, std::nullopt, false});
        });
        ++barePsRuns;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(qint64(seconds * 1000.0 - window.elapsed().wallMs)));
    const double windowMs = window.elapsed().wallMs;
    for (const TrayApp *app : {&product, &enrolled, &firstStart, &minimal}) {
        if (!app->isRunning())
            throw std::runtime_error("an application ended while at rest");
    }
    const CpuTime productCpu = product.cpu() - productStart;
    const CpuTime minimalCpu = minimal.cpu() - minimalStart;
    const double minimalMb = minimal.residentMb();

    for (const auto &[name, app] :
         {std::pair{QStringLiteral("rest memory"), &product},
          std::pair{QStringLiteral("rest memory, enrolled machine with the daemon running"), &enrolled}}) {
        const double mb = app->residentMb();
        printFigure(QStringLiteral("%1: menu-bar app %2 MB, minimal tray app %3 MB resident after %4 s idle (same "
                                   "run); ratio %5x; target <= %6x and <= %7 MB: %8")
                        .arg(name)
                        .arg(mb, 0, 'f', 1)
                        .arg(minimalMb, 0, 'f', 1)
                        .arg(seconds)
                        .arg(mb / minimalMb, 0, 'f', 2)
                        .arg(kMemoryRatioTarget, 0, 'f', 2)
                        .arg(kMemoryTargetMb, 0, 'f', 0)
                        .arg(QLatin1String(verdict(mb / minimalMb <= kMemoryRatioTarget && mb <= kMemoryTargetMb))));
    }
    const double closedMb = firstStart.residentMb();
    const double closedPrivateMb = firstStart.privateMb();
    const double neverPrivateMb = product.privateMb();
    printFigure(
        QStringLiteral("registration window: %1 MB resident while open at the first start (%2 MB private), "
                       "%3 MB after it was closed (%4 window(s); %5 MB private); the application that never "
                       "opened it %6 MB (%7 MB private), same run; private memory given back to within %8 "
                       "MB; target <= %9 MB: %10")
            .arg(windowOpenMb, 0, 'f', 1)
            .arg(windowOpenPrivateMb, 0, 'f', 2)
            .arg(closedMb, 0, 'f', 1)
            .arg(closed)
            .arg(closedPrivateMb, 0, 'f', 2)
            .arg(product.residentMb(), 0, 'f', 1)
            .arg(neverPrivateMb, 0, 'f', 2)
            .arg(closedPrivateMb - neverPrivateMb, 0, 'f', 2)
            .arg(kWindowReturnTargetMb, 0, 'f', 0)
            .arg(QLatin1String(verdict(closed > 0 && closedPrivateMb - neverPrivateMb <= kWindowReturnTargetMb))));
    const double ownPercent = 100.0 * productCpu.selfMs / windowMs;
    printFigure(QStringLiteral("rest CPU: menu-bar app itself %1 ms in %2 s = %3 % of one core (minimal tray app %4 "
                               "ms = %5 %, same run); target <= %6 %: %7")
                    .arg(productCpu.selfMs, 0, 'f', 1)
                    .arg(windowMs / 1000.0, 0, 'f', 1)
                    .arg(ownPercent, 0, 'f', 3)
                    .arg(minimalCpu.selfMs, 0, 'f', 1)
                    .arg(100.0 * minimalCpu.selfMs / windowMs, 0, 'f', 3)
                    .arg(kOwnCpuTargetPercent, 0, 'f', 2)
                    .arg(QLatin1String(verdict(ownPercent <= kOwnCpuTargetPercent))));
    printFigure(QStringLiteral("  its ps children %1 ms = %2 %; a bare ps every 5 s from here %3 ms in %4 runs = %5 % "
                               "(same window; no target)")
                    .arg(productCpu.childrenMs, 0, 'f', 0)
                    .arg(100.0 * productCpu.childrenMs / windowMs, 0, 'f', 3)
                    .arg(barePsMs, 0, 'f', 0)
                    .arg(barePsRuns)
                    .arg(100.0 * barePsMs / windowMs, 0, 'f', 3));
}

} // namespace bench
