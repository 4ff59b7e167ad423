#include "installer-pane/enroll/Uninstall.h"

#include "installer-pane/enroll/UninstallRemoval.h"
#include "installer-pane/registration/ProcessHelper.h"
#include "installer-pane/registration/RegistrationError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

using contract::toQString;

// "launchctl bootout" returns once the job is told to go; it stays listed while its process ends (the
// postinstall script waits the same way).
constexpr std::chrono::seconds kBootOutBound{10};

struct ToolRun
{
    qint32 status = 0;
    QString output;
    QString error; // what it wrote on standard error, kept off our own streams (--json keeps ours empty)
};

ToolRun runTool(const QString &tool, const QStringList &arguments)
{
    std::optional<QString> output;
    QByteArray error;
    try {
        const qint32 status = ProcessHelper::runProcess(tool, arguments, std::nullopt, &output, &error);
        return {status, output.value_or(QString()), QString::fromUtf8(error).trimmed()};
    } catch (const RegistrationError &failure) {
        return {127, QString(), failure.reason()}; // as a shell reports a command it cannot run
    }
}

QString withReason(const QString &line, const QString &reason)
{
    return reason.isEmpty() ? line : line + QStringLiteral(": ") + reason;
}

} // namespace

struct Uninstall::Report
{
    QStringList lines;
    QJsonArray removed;
    QJsonArray failures; // the lines of steps that failed, which a person reads on standard error
    EnrollExit status = EnrollExit::Success;

    void done(const QString &line, const QString &what)
    {
        lines << line;
        removed << what;
    }
    // Every step is tried; the first failure gives the exit status.
    void failed(EnrollExit exit, const QString &line)
    {
        lines << line;
        failures << line;
        if (status == EnrollExit::Success)
            status = exit;
    }
};

Uninstall::Uninstall(contract::AgentPaths paths)
    : m_paths(std::move(paths))
{}

EnrollOutcome Uninstall::run(const QList<uint> &users, bool keepConfiguration) const
{
    Report report;
    // The menu-bar application's job first: while it runs, it may start the daemon again.
    const QString agent = toQString(contract::kGuiAgentLabel), daemon = toQString(contract::kServiceLabel);
    for (const uint user : users) {
        bootOut(QStringLiteral("gui/%1/%2").arg(user).arg(agent),
                tr("Unloaded the job %1 of user %2").arg(agent).arg(user), report);
    }
    bootOut(QStringLiteral("system/") + daemon, tr("Unloaded the job %1").arg(daemon), report);
    // A menu-bar application opened by hand has no job to boot out, and would run on from the removed bundle.
    endProcessesInBundle(report);
    // The jobs' files before the programs they name, so that no start of the machine finds one without the other.
    for (const QString &path :
         {m_paths.agentJobFile, m_paths.daemonJobFile, m_paths.applicationBundle, m_paths.logDirectory}) {
        remove(path, report);
    }
    QJsonArray kept;
    if (!keepConfiguration) {
        remove(m_paths.installedConfigDirectory, report);
    } else if (QFileInfo::exists(m_paths.installedConfigDirectory)) {
        report.lines << tr("Kept %1").arg(m_paths.installedConfigDirectory);
        kept << m_paths.installedConfigDirectory;
    }
    forgetReceipts(report);
    if (report.removed.isEmpty() && report.status == EnrollExit::Success)
        report.lines << tr("Nothing left to remove.");
    QJsonObject details{{QStringLiteral("removed"), report.removed}, {QStringLiteral("kept"), kept}};
    if (!report.failures.isEmpty())
        details.insert(QStringLiteral("failed"), report.failures);
    return {report.status, report.lines.join(QLatin1Char('\n')), QString(), details};
}

bool Uninstall::isLoaded(const QString &target) const
{
    return runTool(m_paths.launchctl, {QStringLiteral("print"), target}).status == 0;
}

void Uninstall::bootOut(const QString &target, const QString &removedLine, Report &report) const
{
    if (!isLoaded(target))
        return;
    // "bootout DOMAIN/LABEL" unloads the job and stops its process; "print DOMAIN/LABEL" fails once it is gone:
    // launchctl(1), https://man.freebsd.org/cgi/man.cgi?manpath=macOS+26.4&query=launchctl&sektion=1
    const ToolRun bootout = runTool(m_paths.launchctl, {QStringLiteral("bootout"), target});
    const QDeadlineTimer deadline(kBootOutBound);
    bool loaded = isLoaded(target);
    while (loaded && bootout.status == 0 && !deadline.hasExpired()) {
        QThread::msleep(100);
        loaded = isLoaded(target);
    }
    if (loaded) {
        report.failed(EnrollExit::OsError, withReason(tr("Can't unload the job %1").arg(target),
                                                      bootout.status == 0 ? tr("it is still loaded") : bootout.error));
        return;
    }
    report.done(removedLine, target);
}

void Uninstall::endProcessesInBundle(Report &report) const
{
    // "-ax": every user's processes, with a terminal or without; "-o pid=,command=": the ID and the command line,
    // no header: ps(1), https://www.unix.com/man-page/osx/1/ps/
    const ToolRun listed =
        runTool(m_paths.ps, {QStringLiteral("-ax"), QStringLiteral("-o"), QStringLiteral("pid=,command=")});
    const QString inside = m_paths.applicationBundle + u'/';
    for (const QString &line : listed.output.split(u'\n')) {
        const QString entry = line.trimmed();
        bool isNumber = false;
        const pid_t process = entry.section(u' ', 0, 0).toInt(&isNumber);
        // Not this command, which the bundle holds too, nor whoever started it.
        if (!isNumber || process == ::getpid() || process == ::getppid() ||
            !entry.section(u' ', 1).trimmed().startsWith(inside) || ::kill(process, SIGTERM) != 0)
            continue;
        const QDeadlineTimer deadline(kBootOutBound);
        while (::kill(process, 0) == 0 && !deadline.hasExpired())
            QThread::msleep(50);
        if (::kill(process, 0) == 0)
            ::kill(process, SIGKILL); // one that would not end
        report.done(tr("Ended the process %1, which ran from %2").arg(process).arg(m_paths.applicationBundle),
                    QStringLiteral("process %1").arg(process));
    }
}

void Uninstall::remove(const QString &path, Report &report) const
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 && errno == ENOENT)
        return;
    // Never by path below the top: a user may still change a folder of theirs that lies inside.
    if (const int failure = removeWithoutFollowing(path); failure == 0)
        report.done(tr("Removed %1").arg(path), path);
    else
        report.failed(EnrollExit::IoError,
                      withReason(tr("Can't remove %1").arg(path), QString::fromLocal8Bit(std::strerror(failure))));
}

void Uninstall::forgetReceipts(Report &report) const
{
    // "pkgutil --pkgs" lists the receipts, "--forget" drops one, leaving the files to us: pkgutil(1),
    // https://www.unix.com/man-page/osx/1/pkgutil/
    const QString package = toQString(contract::kPackageIdentifier);
    if (!QFileInfo::exists(m_paths.pkgutil))
        return; // a system without package receipts, as Linux: nothing to forget
    const ToolRun listed = runTool(m_paths.pkgutil, {QStringLiteral("--pkgs")});
    if (listed.status != 0) {
        report.failed(EnrollExit::OsError, withReason(tr("Can't list the package receipts"), listed.error));
        return;
    }
    if (!listed.output.split(QLatin1Char('\n')).contains(package))
        return;
    const ToolRun forgot = runTool(m_paths.pkgutil, {QStringLiteral("--forget"), package});
    if (forgot.status != 0) {
        report.failed(EnrollExit::OsError,
                      withReason(tr("Can't forget the package receipt %1").arg(package), forgot.error));
        return;
    }
    report.done(tr("Forgot the package receipt %1").arg(package), package);
}

} // namespace installer
