// The controller's status checks: the timer, the process table each check reads, and the hand-over of what it found.
#include "menubar-app/service/ServicesController.h"

#include "menubar-app/service/PathHelper.h"
#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessRunner.h"

#include <QMetaObject>

namespace menubar {

namespace {

const QString kProcessName = contract::toQString(contract::kProcessName);

// Only horizontal blanks count: a stray "\r" or other control character leaves the line unequal.
bool isHorizontalBlank(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QStringView trimmedOfHorizontalBlanks(QStringView line)
{
    while (!line.isEmpty() && isHorizontalBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isHorizontalBlank(line.back()))
        line.chop(1);
    return line;
}

} // namespace

void ServicesController::startChecking()
{
    logInfo(QStringLiteral("starting"));
    updateServiceStatus();

    m_timer = std::make_unique<QTimer>();
    m_timer->setInterval(m_checkInterval);
    // Within 5 % of the interval is soon enough: the system may wake us together with others.
    m_timer->setTimerType(Qt::CoarseTimer);
    connect(m_timer.get(), &QTimer::timeout, this, &ServicesController::updateServiceStatus);
    m_timer->start();
}

void ServicesController::stopChecking()
{
    logInfo(QStringLiteral("stopping"));
    m_timer.reset();
}

bool ServicesController::processTableContains(const QString &psOutput, const QString &processName)
{
    const QStringList lines = psOutput.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (trimmedOfHorizontalBlanks(line) == processName)
            return true;
    }
    return false;
}

QStringList ServicesController::processTableArguments()
{
    return {QStringLiteral("-axco"), QStringLiteral("comm")};
}

void ServicesController::updateServiceStatus()
{
    const bool running = isProcessRunning();
    // Looked at on every check, so that an installed or removed configuration shows without a restart.
    const bool enrolled = PathHelper::isConfigFileExists(m_paths.installedConfigFile);
    // Explicitly queued: observers keep the previous state until the current operation has returned
    // to the event loop. Bound to this object, so a step still pending at destruction is dropped.
    QMetaObject::invokeMethod(
        this, [this, running, enrolled] { applyServiceStatus(running, enrolled); }, Qt::QueuedConnection);
}

bool ServicesController::isProcessRunning()
{
    try {
        const QString output = m_runner.executeProcess(m_paths.ps, processTableArguments());
        return processTableContains(output, kProcessName);
    } catch (const ProcessError &error) {
        logError(QStringLiteral("Failed execute process ") + error.description());
        return false;
    }
}

} // namespace menubar
