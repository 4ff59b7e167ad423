#include "installer-pane/registration/LaunchdJob.h"

#include "installer-pane/registration/ProcessHelper.h"
#include "installer-pane/registration/RegistrationError.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace installer {

namespace {

constexpr std::chrono::milliseconds kFirstStep{10};
constexpr std::chrono::milliseconds kLongestStep{100};

} // namespace

LaunchdJob::LaunchdJob(QString launchctl, QStringList prefix, QString label)
    : m_launchctl(std::move(launchctl))
    , m_prefix(std::move(prefix))
    , m_label(std::move(label))
{}

std::optional<qint64> LaunchdJob::processId() const
{
    std::optional<QString> output;
    try {
        if (ProcessHelper::runProcess(m_launchctl, m_prefix + QStringList{QStringLiteral("list"), m_label},
                                      std::nullopt, &output) != 0) {
            return std::nullopt; // no such job: nothing runs under its name
        }
    } catch (const RegistrationError &) {
        return std::nullopt; // launchctl itself would not start; the "start" that follows reports that
    }
    const QRegularExpression pidLine(QStringLiteral(R"(^\s*"PID"\s*=\s*(\d+)\s*;)"),
                                     QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pidLine.match(output.value_or(QString()));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong();
}

bool LaunchdJob::waitUntilExited(std::chrono::milliseconds bound) const
{
    const QDeadlineTimer deadline(bound);
    // Short steps first: the application mostly quits within tens of milliseconds, and a fixed 100 ms step made
    // every restart wait at least that long. Each ask is a launchctl run, so the steps grow.
    std::chrono::milliseconds step = kFirstStep;
    while (processId().has_value()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(step.count()));
        step = std::min(step * 2, kLongestStep);
    }
    return true;
}

} // namespace installer
