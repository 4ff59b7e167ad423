// The menu-bar application over thousands of status checks on a real tray, with the daemon started and
// stopped every few seconds: does anything it holds grow? Run on an X display with a tray host (bench/run-all
// gives it a private one). Prints one line per figure, start and end with the slope after warm-up.
// Usage: bench-soak [SECONDS [CHECK-INTERVAL-MS]]
#include "bench/BenchSupport.h"
#include "bench/BenchTools.h"
#include "bench/soak/ProcessSample.h"
#include "bench/tray/TrayApp.h"
#include "bench/tray/TrayWatcher.h"
#include "platform/ChildProcess.h"
#include "sandbox/Sandbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kFlapPeriod = 1500ms;
constexpr auto kSamplePeriod = 2s;
// The first quarter of the run is warm-up: fonts, the tray's first pixmaps, the allocator's arenas.
constexpr double kWarmUpShare = 0.25;
constexpr double kSlopeTargetMb = 0.1;

struct Point
{
    double checks = 0.0;
    bench::ProcessSample sample;
};

// Each run of the listing adds one byte to the count file beside it.
const char kCountingListing[] = "#!/bin/sh\nprintf . >>\"$0.count\"\nexec /bin/ps \"$@\"\n";

bool writeListing(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(kCountingListing) > 0 &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void launchctl(const sandbox::Sandbox &box, const char *verb)
{
    platform::runChildProcess({box.paths().launchctl,
                               {QString::fromLatin1(verb), contract::toQString(contract::kServiceLabel)},
                               std::nullopt,
                               false});
}

// Least squares: the growth of value per 1,000 checks.
template <typename Value> double slopePerThousand(const std::vector<Point> &points, Value value)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Point &p : points) {
        const double x = p.checks / 1000.0;
        const double y = value(p.sample);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double denominator = n * sxx - sx * sx;
    return denominator == 0.0 ? 0.0 : (n * sxy - sx * sy) / denominator;
}

QString figures(const bench::ProcessSample &s)
{
    return QStringLiteral("%1 MB anonymous, %2 descriptors, %3 threads, %4 children, %5 X resources (%6 MB of pixmaps)")
        .arg(s.anonymousMb, 0, 'f', 2)
        .arg(s.descriptors)
        .arg(s.threads)
        .arg(s.children)
        .arg(s.xResources)
        .arg(s.xPixmapMb, 0, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(10, std::atoi(argv[1])) : 180;
    const int intervalMs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    // The application must reach the display, whatever platform the caller's tests use.
    qunsetenv("QT_QPA_PLATFORM");

    QTemporaryDir scratch;
    const sandbox::Sandbox box(scratch.filePath(QStringLiteral("sandbox")));
    const QString listing = scratch.filePath(QStringLiteral("ps"));
    if (!scratch.isValid() || !box.create() || !writeListing(listing)) {
        bench::printFigure(QStringLiteral("soak: not measured: cannot lay out the sandbox"));
        return 0;
    }
    box.setFullDiskAccess(true); // a started daemon keeps running until it is stopped
    const auto checksSoFar = [&listing] { return double(QFileInfo(listing + QStringLiteral(".count")).size()); };

    std::vector<Point> points;
    int flaps = 0;
    try {
        bench::TrayWatcher watcher;
        bench::TrayApp soaked(
            {QString::fromUtf8(bench::tools::kSoakApp), box.root(), QString::number(intervalMs), listing},
            scratch.filePath(QStringLiteral("application.log")));
        soaked.launch();
        if (!watcher.waitUntilEmbedded(soaked.pid(), 20s))
            throw std::runtime_error("the menu-bar application never appeared in the tray");
        const bench::ProcessSampler sampler;
        const Clock::time_point start = Clock::now();
        Clock::time_point nextFlap = start + kFlapPeriod;
        Clock::time_point nextSample = start;
        bool daemonRunning = false;
        while (Clock::now() - start < std::chrono::seconds(seconds) && soaked.isRunning()) {
            if (Clock::now() >= nextSample) {
                points.push_back({checksSoFar(), sampler.sample(soaked.pid())});
                nextSample += kSamplePeriod;
            }
            if (Clock::now() >= nextFlap) {
                daemonRunning = !daemonRunning;
                launchctl(box, daemonRunning ? "start" : "stop");
                ++flaps;
                nextFlap += kFlapPeriod;
            }
            std::this_thread::sleep_for(50ms);
        }
        points.push_back({checksSoFar(), sampler.sample(soaked.pid())});
        launchctl(box, "stop");
        if (!soaked.isRunning())
            throw std::runtime_error("the menu-bar application ended during the soak");
    } catch (const std::exception &error) {
        launchctl(box, "stop");
        bench::printFigure(QStringLiteral("soak: not measured: %1").arg(QString::fromLocal8Bit(error.what())));
        return 0;
    }

    const Point &first = points.front();
    const Point &last = points.back();
    const std::vector<Point> settled(points.begin() + qsizetype(double(points.size()) * kWarmUpShare), points.end());
    const Point &warm = settled.front();
    const double slope = slopePerThousand(settled, [](const bench::ProcessSample &s) { return s.anonymousMb; });
    const bool flat = slope <= kSlopeTargetMb && last.sample.descriptors <= warm.sample.descriptors &&
                      last.sample.threads <= warm.sample.threads && last.sample.children <= warm.sample.children;
    bench::printFigure(
        QStringLiteral("soak: %1 status checks in %2 s (every %3 ms), the daemon started or stopped %4 times")
            .arg(last.checks, 0, 'f', 0)
            .arg(seconds)
            .arg(intervalMs)
            .arg(flaps));
    bench::printFigure(QStringLiteral("  at the start: %1").arg(figures(first.sample)));
    bench::printFigure(
        QStringLiteral("  after warm-up (%1 checks): %2").arg(warm.checks, 0, 'f', 0).arg(figures(warm.sample)));
    bench::printFigure(QStringLiteral("  at the end: %1").arg(figures(last.sample)));
    bench::printFigure(
        QStringLiteral("soak: anonymous memory %1 MB per 1,000 checks after warm-up (X pixmaps %2 MB, X resources %3); "
                       "target <= %4 MB and no more descriptors, threads or children: %5")
            .arg(slope, 0, 'f', 3)
            .arg(slopePerThousand(settled, [](const bench::ProcessSample &s) { return s.xPixmapMb; }), 0, 'f', 3)
            .arg(slopePerThousand(settled, [](const bench::ProcessSample &s) { return double(s.xResources); }), 0, 'f',
                 1)
            .arg(kSlopeTargetMb)
            .arg(QLatin1String(bench::verdict(flat))));
    return 0;
}
