// The controller's commands: the daemon's start and stop as root, and the job line that tells why a start failed.
#include "menubar-app/service/ServicesController.h"

#include "menubar-app/service/PathHelper.h"
#include "menubar-app/service/ProcessError.h"
#include "menubar-app/service/ProcessRunner.h"

#include <limits>
#include <optional>

namespace menubar {

namespace {

const QString kServiceName = contract::toQString(contract::kServiceLabel);

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

void ServicesController::takeUpConfiguration()
{
    if (takeUpEnrolment())
        startService();
}

bool ServicesController::takeUpEnrolment()
{
    // Only an enrolled machine has the configuration file; its contents are the daemon's business.
    if (!PathHelper::isConfigFileExists(m_paths.installedConfigFile))
        return false;
    setIsEnrolled(true);
    return true;
}

void ServicesController::startService()
{
    if (isProcessRunning())
        return;
    emit serviceStartRequested();

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
    if (!result.isServiceRunning && result.lastErrorCode == contract::kExitMissingFullDiskAccess) {
        emit fullDiskAccessMissing();
        m_notificationHelper.displayDiskAccessRequestWindow();
    }
}

void ServicesController::stopService()
{
    if (!isProcessRunning())
        return;
    emit serviceStopRequested();

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

} // namespace menubar
