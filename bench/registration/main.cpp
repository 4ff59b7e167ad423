// What a registration costs beyond the daemon's own run: RegistrationHelper::registerWithAddress on a
// sandbox against the stand-in server, and, in the same rounds, the same daemon invocation run
// directly and the launch agent's restart run alone. Usage: bench-registration [ROUNDS]
//
// The restart is part of a registration and stays in the figure. The sandbox's agent job is made a
// plain sleep, so that what is restarted costs nothing of its own and only the stand-in launchctl is
// timed; that launchctl polls every 10 ms, which the restart line shows apart, as it does the daemon's kickstart.
#include "bench/BenchSupport.h"
#include "common/AgentContract.h"
#include "installer-pane/registration/RegistrationError.h"
#include "installer-pane/registration/RegistrationHelper.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "sandbox/Sandbox.h"
#include "sandbox/SandboxSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

constexpr int kWarmUpRounds = 2;
constexpr double kTargetMs = 20.0;
// The processes the root command makes besides its shell: mkdir, three finds with their three command
// substitutions, mktemp, two mvs, install, and the exit trap's rm. Its own share is held to twice the time of as
// many bare spawns: those tools load more than /bin/true and do their work, but nothing else may add to them.
constexpr int kRootCommandProcesses = 12;
constexpr double kOwnRatioTarget = 2.0;
const QString kLogin = QStringLiteral("bench");
const QString kPassword = QStringLiteral("bench-password");
const QString kNodeName = QStringLiteral("bench-node");

bool writeExecutable(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    file.close();
    return file.setPermissions(file.permissions() | QFile::ExeOwner);
}

int fail(const QString &why)
{
    bench::printFigure(QStringLiteral("registration overhead: not measured: %1").arg(why));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(20, std::atoi(argv[1])) : 20;

    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/kelvane-bench-XXXXXX"));
    const sandbox::Sandbox box(scratch.filePath(QStringLiteral("sandbox")));
    const QString agentLabel = contract::toQString(contract::kGuiAgentLabel);
    if (!scratch.isValid() || !box.create() ||
        !writeExecutable(box.jobDirectory(agentLabel) + QStringLiteral("/run"), "#!/bin/sh\nexec sleep 86400\n"))
        return fail(QStringLiteral("cannot lay out the sandbox"));
    box.setAccounts({{kLogin, kPassword}});
    box.setFullDiskAccess(true);
    box.setAuthoriseAnswer(QStringLiteral("allow"));
    sandbox::SandboxSession session(box);
    if (!session.startServer())
        return fail(QStringLiteral("the stand-in server did not start"));

    const contract::AgentPaths paths = box.paths();
    const QString address = session.serverAddress();
    platform::SystemAdministratorShell shell(paths.pkexec, paths.shell);
    platform::CapturingLogSink log;
    installer::RegistrationHelper helper(paths, shell, log);

    // The direct run gets what the helper hands the daemon, built outside the timing as the helper's is not.
    const QString directData = box.root() + QStringLiteral("/tmp/direct");
    QDir().mkpath(directData);
    platform::ProcessEnvironment environment = platform::ProcessEnvironment::current();
    environment.set(contract::kDataPathVariable, QFile::encodeName(directData));
    environment.set(contract::kLogPathVariable, QFile::encodeName(directData));
    const platform::ChildProcessRequest daemonRequest{paths.daemonExecutable,
                                                      {contract::toQString(contract::kRegisterFlag), kLogin, address,
                                                       kPassword, contract::toQString(contract::kNodeNameFlag),
                                                       kNodeName},
                                                      environment,
                                                      false};

    // What the root command ends with, run as it runs it: the stand-in launchctl restarting the daemon's job.
    const platform::ChildProcessRequest kickstart{
        paths.launchctl,
        {QStringLiteral("kickstart"), QStringLiteral("-k"),
         QStringLiteral("system/") + contract::toQString(contract::kServiceLabel)},
        std::nullopt,
        false};

    std::vector<double> registrationMs, daemonMs, overheadMs, restartMs, authoriseMs, kickstartMs, ownMs, spawnsMs;
    try {
        // As on an installed machine, the launch agent runs when a registration restarts it.
        helper.restartGuiAgent();
        for (int round = 0; round < kWarmUpRounds + rounds; ++round) {
            bench::Stopwatch watch;
            helper.registerWithAddress(address, kLogin, kPassword, kNodeName);
            const double registration = watch.elapsed().wallMs;

            watch.restart();
            const platform::ChildProcessResult direct = platform::runChildProcess(daemonRequest);
            const double daemon = watch.elapsed().wallMs;
            if (direct.status != contract::kExitEnrolled)
                return fail(QStringLiteral("the daemon run directly ended with %1").arg(direct.status));

            watch.restart();
            helper.restartGuiAgent();
            const double restart = watch.elapsed().wallMs;

            watch.restart();
            shell.run(QStringLiteral(":"));
            const double authorise = watch.elapsed().wallMs;

            watch.restart();
            platform::runChildProcess(kickstart);
            const double restartDaemon = watch.elapsed().wallMs;

            watch.restart();
            for (int i = 0; i < kRootCommandProcesses; ++i)
                platform::runChildProcess({QStringLiteral("/bin/true"), {}, std::nullopt, false});
            const double spawns = watch.elapsed().wallMs;
            if (round < kWarmUpRounds)
                continue;
            registrationMs.push_back(registration);
            daemonMs.push_back(daemon);
            overheadMs.push_back(registration - daemon);
            restartMs.push_back(restart);
            authoriseMs.push_back(authorise);
            kickstartMs.push_back(restartDaemon);
            spawnsMs.push_back(spawns);
            ownMs.push_back(registration - daemon - restart - authorise - restartDaemon);
        }
    } catch (const installer::RegistrationError &error) {
        return fail(error.reason());
    } catch (const platform::AdministratorShellError &error) {
        return fail(error.description());
    } catch (const platform::SystemError &error) {
        return fail(error.message());
    }
    session.stop();

    const double overhead = bench::median(overheadMs);
    bench::printFigure(
        QStringLiteral("registration overhead: %1 ms (registration %2 ms minus the daemon run directly %3 ms; "
                       "median of %4 rounds, interleaved; includes the launch agent restart); target < %5 ms: %6")
            .arg(overhead, 0, 'f', 1)
            .arg(bench::median(registrationMs), 0, 'f', 1)
            .arg(bench::median(daemonMs), 0, 'f', 1)
            .arg(rounds)
            .arg(kTargetMs, 0, 'f', 0)
            .arg(QLatin1String(bench::verdict(overhead < kTargetMs))));
    const double own = bench::median(ownMs);
    bench::printFigure(QStringLiteral("  of which: the launch agent restart through the stand-in launchctl %1 ms; the "
                                      "stand-in pkexec with its shell %2 ms; the daemon's kickstart -k through the "
                                      "stand-in launchctl %3 ms; the rest (the helper itself and the root command's "
                                      "mkdir, find, mktemp, mv and install) %4 ms, %5 the target")
                           .arg(bench::median(restartMs), 0, 'f', 1)
                           .arg(bench::median(authoriseMs), 0, 'f', 1)
                           .arg(bench::median(kickstartMs), 0, 'f', 1)
                           .arg(own, 0, 'f', 1)
                           .arg(own < kTargetMs ? QStringLiteral("within") : QStringLiteral("over")));
    const double spawns = bench::median(spawnsMs);
    bench::printFigure(
        QStringLiteral("registration's own share: %1 ms, %2 bare spawns of /bin/true %3 ms (same rounds); "
                       "ratio %4x; target <= %5x: %6")
            .arg(own, 0, 'f', 1)
            .arg(kRootCommandProcesses)
            .arg(spawns, 0, 'f', 1)
            .arg(own / spawns, 0, 'f', 2)
            .arg(kOwnRatioTarget, 0, 'f', 2)
            .arg(QLatin1String(bench::verdict(own / spawns <= kOwnRatioTarget))));
    return 0;
}
