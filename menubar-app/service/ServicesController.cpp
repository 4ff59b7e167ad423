#include "menubar-app/service/ServicesController.h"

#include "menubar-app/service/PathHelper.h"
#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessRunner.h"
#include "platform/LogSink.h"

#include <QMetaObject>

#include <limits>
#include <optional>
#include <utility>

namespace menubar {

namespace {

const QString kProcessName = contract::toQString(contract::kProcessName);
const QString kServiceName = contract::toQString(contract::kServiceLabel);
const QString kRunningIconName = QStringLiteral("MenuBarExtraIcon");
const QString kStoppedIconName = QStringLiteral("StopMenuBarExtraIcon");

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

// An optional single sign, then ASCII digits and nothing else, within 64 bits. Qt's own
// conversions are more lenient (surrounding blanks), which would let " 12" pass for a process ID.
std::optional<std::int64_t> parseStrictInteger(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;

    const std::uint64_t limit = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (negative ? 1U : 0U);
    std::uint64_t magnitude = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const auto digit = std::uint64_t(c.unicode() - u'0');
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return std::int64_t(magnitude);
    // -2^63 has no positive counterpart in 64 bits, so it cannot be reached by negating one.
    return magnitude == limit ? std::numeric_limits<std::int64_t>::min() : -std::int64_t(magnitude);
}

} // namespace

ServicesController::ServicesController(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_iconName(kRunningIconName)
    , m_runner(dependencies.runner)
    , m_log(dependencies.log)
    , m_paths(std::move(dependencies.paths))
    , m_checkInterval(dependencies.checkInterval)
    , m_firstProcessTable(std::move(dependencies.firstProcessTable))
    , m_notificationHelper(dependencies.alerts, dependencies.urlOpener)
{
    startChecking();
    takeUpConfiguration();
}

ServicesController::~ServicesController()
{
    stopChecking();
}

void ServicesController::setIsServiceRunning(bool running)
{
    emit objectWillChange();
    m_isServiceRunning = running;
    emit isServiceRunningChanged();
}

void ServicesController::setIconName(const QString &name)
{
    emit objectWillChange();
    m_iconName = name;
    emit iconNameChanged();
}

void ServicesController::setIsEnrolled(bool enrolled)
{
    if (m_isEnrolled == enrolled)
        return;
    m_isEnrolled = enrolled;
    emit isEnrolledChanged();
}

void ServicesController::takeUpConfiguration()
{
    // Only an enrolled machine has the configuration file; its contents are the daemon's business.
    if (!PathHelper::isConfigFileExists(m_paths.installedConfigFile))
        return;
    setIsEnrolled(true);
    startService();
}

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

void ServicesController::startService()
{
    if (isProcessRunning())
        return;

    const QString command = QStringLiteral("launchctl start ") + kServiceName +
                            QStringLiteral("; sleep 3; sudo launchctl list | grep ") + kServiceName;
    QString output;
    try {
        output = m_runner.executeAsRoot(command);
    } catch (const ProcessError &error) {
        logError(QStringLiteral("Failed exectute ") + error.description());
        updateServiceStatus();
        return;
    }

    // The published state comes from the process table; the job list only tells why a start failed.
    const StartServiceResult result = parseStartServiceOutput(output);
    updateServiceStatus();
    if (!result.isServiceRunning && result.lastErrorCode == contract::kExitMissingFullDiskAccess)
        m_notificationHelper.displayDiskAccessRequestWindow();
}

void ServicesController::stopService()
{
    if (!isProcessRunning())
        return;

    try {
        m_runner.executeAsRoot(QStringLiteral("launchctl stop ") + kServiceName);
    } catch (const ProcessError &error) {
        logError(QStringLiteral("Failed exectute ") + error.description());
    }
    updateServiceStatus();
}

StartServiceResult ServicesController::parseStartServiceOutput(const QString &output)
{
    // The job list line is "<pid or ->\t<last exit status>\t<label>"; with several lines the first decides.
    const QStringList pieces = output.split(u'\t');
    if (pieces.size() < 2)
        return {false, 0};
    return {parseStrictInteger(pieces.at(0)).has_value(), parseStrictInteger(pieces.at(1)).value_or(0)};
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

QString ServicesController::selfDescription()
{
    return QStringLiteral("Kelvane_OS_Agent.ServicesController");
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
        const QString output = m_firstProcessTable ? std::exchange(m_firstProcessTable, {})()
                                                   : m_runner.executeProcess(m_paths.ps, processTableArguments());
        return processTableContains(output, kProcessName);
    } catch (const ProcessError &error) {
        logError(QStringLiteral("Failed execute process ") + error.description());
        return false;
    }
}

void ServicesController::applyServiceStatus(bool running, bool enrolled)
{
    if (m_isServiceRunning != running)
        logInfo(kProcessName + QStringLiteral(": ") + (running ? QStringLiteral("running") : QStringLiteral("stoped")));
    setIsServiceRunning(running);
    setIconName(running ? kRunningIconName : kStoppedIconName);
    setIsEnrolled(enrolled);
}

// Every line begins with who wrote it: our module and class name.
void ServicesController::logInfo(const QString &text)
{
    m_log.write(platform::LogLevel::Info, selfDescription() + u' ' + text);
}

void ServicesController::logError(const QString &text)
{
    m_log.write(platform::LogLevel::Error, selfDescription() + u' ' + text);
}

} // namespace menubar
