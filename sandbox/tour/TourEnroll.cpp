// The tour's third road: the command-line enrolment in the sandbox, as a device-management script meets it.
#include "sandbox/SandboxTools.h"
#include "sandbox/tour/Tour.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace sandbox {

namespace {

const QString kLogin = QStringLiteral("demo");
const QByteArray kPassword = "demo-password";

// A command line as a person would type it.
QString shown(const QStringList &arguments)
{
    QStringList words{QStringLiteral("osagent-enroll")};
    for (const QString &argument : arguments)
        words << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('\'') + argument + QLatin1Char('\'') : argument);
    return words.join(QLatin1Char(' '));
}

} // namespace

int Tour::runEnrollCommand()
{
    if (!m_box.create()) {
        say(QStringLiteral("Cannot lay out the sandbox in %1").arg(m_box.root()));
        return 1;
    }
    m_box.setAccounts({{kLogin, QString::fromUtf8(kPassword)}});
    m_box.setFullDiskAccess(true);
    m_box.setAuthoriseAnswer(QStringLiteral("allow")); // the relaunched menu-bar application's start of the daemon
    if (!m_session.startServer()) {
        say(QStringLiteral("The stand-in backup server did not start"));
        return 1;
    }
    say(QStringLiteral("Sandbox: %1").arg(m_box.root()));
    say(QStringLiteral("Backup server: %1, login \"%2\", password \"%3\"")
            .arg(m_session.serverAddress(), kLogin, QString::fromUtf8(kPassword)));
    road(QStringLiteral("osagent-enroll, as a device-management script runs it as root"), 6);
    const QString address = m_session.serverAddress();
    bool ok = enrollStep(1, QStringLiteral("Register; the password comes on standard input"),
                         {QStringLiteral("register"), QStringLiteral("--address"), address, QStringLiteral("--login"),
                          kLogin, QStringLiteral("--password-stdin")},
                         0, kPassword);
    // The installation's root command started the daemon's job; the stand-in launchd relaunched the application.
    SandboxSession::waitUntil([this] { return m_box.isDaemonRunning(); }, 20000);
    ok &= enrollStep(2, QStringLiteral("Status: enrolled, and the daemon running"), {QStringLiteral("status")}, 0);
    m_box.setManagedSettings({{QStringLiteral("ServerAddress"), address}, {QStringLiteral("Login"), kLogin}});
    ok &= enrollStep(3,
                     QStringLiteral("An administrator sets ServerAddress and Login in %1; a script that gives another "
                                    "address is refused")
                         .arg(m_box.managedSettingsFile()),
                     {QStringLiteral("register"), QStringLiteral("--address"),
                      QStringLiteral("backup.example.com:7443"), QStringLiteral("--password-stdin")},
                     64, kPassword);
    ok &= enrollStep(4,
                     QStringLiteral("Left out, the administrator's values stand in; --force, since this machine is "
                                    "enrolled already"),
                     {QStringLiteral("register"), QStringLiteral("--password-stdin"), QStringLiteral("--force"),
                      QStringLiteral("--json")},
                     0, kPassword);
    ok &=
        enrollStep(5, QStringLiteral("Uninstall: both jobs, the application, the logs, the configuration, the receipt"),
                   {QStringLiteral("uninstall")}, 0);
    ok &= enrollStep(6, QStringLiteral("Status afterwards"), {QStringLiteral("status")}, 0);
    m_session.stop();
    return ok ? 0 : 1;
}

int Tour::runHandsOn()
{
    if (!m_box.create() || !m_session.startServer()) {
        say(QStringLiteral("Cannot lay out the sandbox in %1, or its server did not start").arg(m_box.root()));
        return 1;
    }
    m_box.setAccounts({{kLogin, QString::fromUtf8(kPassword)}});
    m_box.setFullDiskAccess(true);
    m_box.setAuthoriseAnswer(QStringLiteral("allow"));
    // osagent-enroll on this sandbox, as root, under the name the docs use.
    const QString bin = m_box.root() + QStringLiteral("/hands-on");
    QDir().mkpath(bin);
    QFile command(bin + QStringLiteral("/osagent-enroll"));
    const QByteArray script =
        "#!/bin/sh\nexec '" + QByteArray(tools::kEnroll) + "' '" + m_box.root().toUtf8() + "' root \"$@\"\n";
    if (!command.open(QIODevice::WriteOnly) || command.write(script) != script.size())
        return 1;
    command.close();
    command.setPermissions(command.permissions() | QFileDevice::ExeOwner);
    say(QStringLiteral("Sandbox: %1, backup server %2, login \"%3\", password \"%4\"")
            .arg(m_box.root(), m_session.serverAddress(), kLogin, QString::fromUtf8(kPassword)));
    say(QStringLiteral("In this shell osagent-enroll is the sandbox's, run as root. Try:"));
    say(QStringLiteral("    printf '%1' | osagent-enroll register --address %2 --login %3 --password-stdin")
            .arg(QString::fromUtf8(kPassword), m_session.serverAddress(), kLogin));
    say(QStringLiteral("    osagent-enroll status --json"));
    say(QStringLiteral("    osagent-enroll uninstall"));
    say(QStringLiteral("Managed settings go in %1. Leave the shell (exit) to stop the sandbox.")
            .arg(m_box.managedSettingsFile()));
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    shell.setProcessEnvironment(environment);
    shell.setProcessChannelMode(QProcess::ForwardedChannels);
    shell.setInputChannelMode(QProcess::ForwardedInputChannel);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-i")});
    shell.waitForFinished(-1);
    m_session.stop();
    return 0;
}

bool Tour::enrollStep(int number, const QString &text, const QStringList &arguments, int expected,
                      const QByteArray &password)
{
    say(QStringLiteral("[%1/%2] %3").arg(number).arg(m_steps).arg(text));
    say(password.isEmpty()
            ? QStringLiteral("    $ %1").arg(shown(arguments))
            : QStringLiteral("    $ printf '%s' '%1' | %2").arg(QString::fromUtf8(password), shown(arguments)));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QString::fromUtf8(tools::kEnroll), QStringList{m_box.root(), QStringLiteral("root")} + arguments);
    process.write(password);
    process.closeWriteChannel();
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    for (const QString &line : QString::fromUtf8(process.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        say(QStringLiteral("    ") + line);
    const int status = ended ? process.exitCode() : -1;
    say(QStringLiteral("    (exit status %1)%2")
            .arg(status)
            .arg(status == expected ? QString() : QStringLiteral("  -- FAILED")));
    return status == expected;
}

} // namespace sandbox
