#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace bench {

class TrayWatcher;

struct Contender
{
    QString name;
    QStringList command;
    std::function<void()> beforeLaunch = {}; // not timed: the machine's state it is launched on
    bool judged = false;                     // beside the first, held to the same ratio target
};

// The figures that need a display with a tray host: each launches the applications itself, ends
// them before it returns, and prints its lines.
class TrayBench
{
public:
    TrayBench(TrayWatcher &watcher, QString outputFile);

    // Launch to embedded, the contenders taking turns; the first is compared with the last, and
    // those between are shown beside them.
    void startUp(const QList<Contender> &contenders, int runs);
    // All idle for the same window: resident memory at its end, CPU time spent within it. The first-start
    // contender's registration window is open when the window starts and is then closed.
    struct Resting
    {
        Contender product;    // on a machine that is not enrolled, the first-start offer made already
        Contender enrolled;   // on an enrolled machine, its daemon running
        Contender firstStart; // on a machine that is not enrolled, at its first start
        Contender minimal;
    };
    void rest(const Resting &contenders, int seconds);

private:
    double launchUntilEmbedded(const Contender &contender);

    TrayWatcher &m_watcher;
    QString m_outputFile;
};

} // namespace bench
