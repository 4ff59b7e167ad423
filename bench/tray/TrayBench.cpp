#include "bench/tray/TrayBench.h"

#include "bench/BenchSupport.h"
#include "bench/tray/TrayApp.h"
#include "bench/tray/TrayWatcher.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr double kStartUpRatioTarget = 1.3;
constexpr double kStartUpTargetMs = 80.0;
constexpr double kMemoryRatioTarget = 1.15;
constexpr double kMemoryTargetMb = 30.0;
constexpr double kCpuTargetPercent = 0.25;
constexpr auto kEmbedTimeout = 20s;
// Lets the tray host finish with the item that went away before the next one arrives.
constexpr auto kBetweenLaunches = 300ms;
// Once both items are in the tray, so that the window holds the idle state and not the last of start-up.
constexpr auto kSettle = 1s;

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
            .arg(kStartUpRatioTarget, 0, 'f', 1)
            .arg(kStartUpTargetMs, 0, 'f', 0)
            .arg(QLatin1String(verdict(ratio <= kStartUpRatioTarget && product < kStartUpTargetMs))));
    for (qsizetype i = 1; i + 1 < contenders.size(); ++i) {
        printFigure(QStringLiteral("  beside them: %1 %2 ms (fastest %3 ms); ratio %4x")
                        .arg(contenders.at(i).name)
                        .arg(median(ms[i]), 0, 'f', 1)
                        .arg(fastest(ms[i]), 0, 'f', 1)
                        .arg(median(ms[i]) / minimal, 0, 'f', 2));
    }
}

void TrayBench::startUpAlone(const QString &figure, const Contender &contender, int runs,
                             const std::function<void()> &reset)
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        reset();
        ms.push_back(launchUntilEmbedded(contender));
    }
    reset();
    printFigure(QStringLiteral("%1: %2 %3 ms from launch to the item embedded in the tray (median of %4; no target)")
                    .arg(figure, contender.name)
                    .arg(median(ms), 0, 'f', 0)
                    .arg(runs));
}

void TrayBench::rest(const Contender &product, const Contender &minimal, int seconds)
{
    // Both idle in the same window, so that they share whatever else the machine is doing.
    TrayApp productApp(product.command, m_outputFile);
    TrayApp minimalApp(minimal.command, m_outputFile);
    productApp.launch();
    minimalApp.launch();
    if (!m_watcher.waitUntilEmbedded(productApp.pid(), kEmbedTimeout) ||
        !m_watcher.waitUntilEmbedded(minimalApp.pid(), kEmbedTimeout))
        throw std::runtime_error("an application never appeared in the tray");
    std::this_thread::sleep_for(kSettle);

    const CpuTime productStart = productApp.cpu();
    const CpuTime minimalStart = minimalApp.cpu();
    Stopwatch window;
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double windowMs = window.elapsed().wallMs;
    if (!productApp.isRunning() || !minimalApp.isRunning())
        throw std::runtime_error("an application ended while at rest");
    const CpuTime productCpu = productApp.cpu() - productStart;
    const CpuTime minimalCpu = minimalApp.cpu() - minimalStart;
    const double productMb = productApp.residentMb();
    const double minimalMb = minimalApp.residentMb();

    const double memoryRatio = productMb / minimalMb;
    printFigure(QStringLiteral("rest memory: %1 %2 MB, %3 %4 MB resident after %5 s idle (same run); ratio %6x; "
                               "target <= %7x and <= %8 MB: %9")
                    .arg(product.name)
                    .arg(productMb, 0, 'f', 1)
                    .arg(minimal.name)
                    .arg(minimalMb, 0, 'f', 1)
                    .arg(seconds)
                    .arg(memoryRatio, 0, 'f', 2)
                    .arg(kMemoryRatioTarget, 0, 'f', 2)
                    .arg(kMemoryTargetMb, 0, 'f', 0)
                    .arg(QLatin1String(verdict(memoryRatio <= kMemoryRatioTarget && productMb <= kMemoryTargetMb))));
    const double percent = 100.0 * productCpu.totalMs() / windowMs;
    printFigure(QStringLiteral("rest CPU: %1 %2 ms in %3 s = %4 % of one core (itself %5 ms, its ps children %6 ms); "
                               "%7 %8 ms = %9 % (same run); target <= %10 % with the children: %11")
                    .arg(product.name)
                    .arg(productCpu.totalMs(), 0, 'f', 0)
                    .arg(windowMs / 1000.0, 0, 'f', 1)
                    .arg(percent, 0, 'f', 3)
                    .arg(productCpu.selfMs, 0, 'f', 0)
                    .arg(productCpu.childrenMs, 0, 'f', 0)
                    .arg(minimal.name)
                    .arg(minimalCpu.totalMs(), 0, 'f', 0)
                    .arg(100.0 * minimalCpu.totalMs() / windowMs, 0, 'f', 3)
                    .arg(kCpuTargetPercent, 0, 'f', 2)
                    .arg(QLatin1String(verdict(percent <= kCpuTargetPercent))));
}

} // namespace bench
