#include "menubar-app/service/ServicesController.h"

#include "platform/LogSink.h"

#include <QMetaObject>

#include <utility>

namespace menubar {

namespace {

const QString kProcessName = contract::toQString(contract::kProcessName);
const QString kRunningIconName = QStringLiteral("MenuBarExtraIcon");
const QString kStoppedIconName = QStringLiteral("StopMenuBarExtraIcon");

} // namespace

ServicesController::ServicesController(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_iconName(kRunningIconName)
    , m_runner(dependencies.runner)
    , m_log(dependencies.log)
    , m_paths(std::move(dependencies.paths))
    , m_checkInterval(dependencies.checkInterval)
    , m_notificationHelper(dependencies.alerts, dependencies.urlOpener)
{
    // The checks and, on an enrolled machine, the start run on the event loop's first turn, in this order: the
    // item made after this controller is shown first, with the state published before any check, instead of
    // waiting for a run of the lister and the start's pause of seconds. Enrolled counts at once.
    QMetaObject::invokeMethod(
        this,
        [this, enrolled = takeUpEnrolment()] {
            startChecking();
            if (enrolled)
                startService();
        },
        Qt::QueuedConnection);
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

void ServicesController::applyServiceStatus(bool running, bool enrolled)
{
    if (m_isServiceRunning != running)
        logInfo(kProcessName + QStringLiteral(": ") + (running ? QStringLiteral("running") : QStringLiteral("stoped")));
    setIsServiceRunning(running);
    setIconName(running ? kRunningIconName : kStoppedIconName);
    setIsEnrolled(enrolled);
    emit statusChecked(running, enrolled);
}

QString ServicesController::selfDescription()
{
    return QStringLiteral("Kelvane_OS_Agent.ServicesController");
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
