#include "sandbox/Sandbox.h"

#include "installer-pane/registration/ManagedSettingsReader.h"
#include "platform/ChildProcess.h"
#include "sandbox/SandboxTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace sandbox {

namespace {

bool writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return false;
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    return true;
}

bool copyExecutable(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    return QFile::copy(from, to) && QFile(to).setPermissions(QFile(from).permissions());
}

QByteArray quoted(const QString &text)
{
    return '\'' + text.toUtf8() + '\'';
}

} // namespace

Sandbox::Sandbox(QString root)
    : m_root(QDir(root).absolutePath())
{}

contract::AgentPaths Sandbox::paths() const
{
    using contract::toQString;
    contract::AgentPaths paths;
    paths.daemonExecutable = m_root + toQString(contract::kDaemonExecutable);
    paths.stagingDirectory = m_root + toQString(contract::kStagingDirectory);
    paths.stagedConfigFile = m_root + toQString(contract::kStagedConfigFile);
    paths.installedConfigDirectory = m_root + toQString(contract::kInstalledConfigDirectory);
    paths.installedConfigFile = m_root + toQString(contract::kInstalledConfigFile);
    paths.logDirectory = m_root + toQString(contract::kLogDirectory);
    paths.applicationBundle = m_root + toQString(contract::kApplicationBundle);
    paths.daemonJobFile = m_root + toQString(contract::kDaemonJobFile);
    paths.agentJobFile = m_root + toQString(contract::kAgentJobFile);
    paths.launchctl = binDirectory() + QStringLiteral("/launchctl");
    paths.pkgutil = binDirectory() + QStringLiteral("/pkgutil");
    paths.osascript = binDirectory() + QStringLiteral("/no-osascript"); // never there: pkexec is used
    paths.pkexec = binDirectory() + QStringLiteral("/pkexec");
    return paths;
}

bool Sandbox::create() const
{
    const contract::AgentPaths agent = paths();
    const QString serviceLabel = contract::toQString(contract::kServiceLabel);
    const QString guiLabel = contract::toQString(contract::kGuiAgentLabel);
    QDir(m_root).removeRecursively();

    const QByteArray environment = "export KELVANE_SANDBOX=" + quoted(m_root) + '\n';
    bool ok =
        QDir().mkpath(m_root + QStringLiteral("/tmp")) && QDir().mkpath(agent.logDirectory) &&
        QDir().mkpath(QFileInfo(agent.daemonJobFile).absolutePath()) &&
        QDir().mkpath(QFileInfo(agent.agentJobFile).absolutePath()) &&
        QDir().mkpath(QFileInfo(logFile()).absolutePath()) && QDir().mkpath(serverDirectory()) &&
        copyExecutable(tools::kDaemon, agent.daemonExecutable) && copyExecutable(tools::kAuthorise, agent.pkexec) &&
        copyExecutable(tools::kAuthoriseDialog, binDirectory() + QStringLiteral("/pkexec-dialog")) &&
        copyExecutable(tools::kLaunchctl, agent.launchctl) &&
        copyExecutable(tools::kSudo, binDirectory() + QStringLiteral("/sudo")) &&
        copyExecutable(tools::kPkgutil, agent.pkgutil) &&
        writeFile(receiptsFile(), contract::toQString(contract::kPackageIdentifier).toUtf8() + '\n') &&
        QFile::copy(tools::kDaemonJobFile, agent.daemonJobFile) &&
        QFile::copy(tools::kAgentJobFile, agent.agentJobFile) &&
        writeFile(jobDirectory(serviceLabel) + QStringLiteral("/kind"), "daemon") &&
        writeFile(jobDirectory(serviceLabel) + QStringLiteral("/run"),
                  "#!/bin/sh\n" + environment + "exec " + quoted(agent.daemonExecutable) + '\n', true) &&
        writeFile(jobDirectory(guiLabel) + QStringLiteral("/kind"), "agent") &&
        writeFile(jobDirectory(guiLabel) + QStringLiteral("/run"),
                  "#!/bin/sh\n" + environment + "exec " + quoted(tools::kMenuBarApp) + ' ' + quoted(m_root) + '\n',
                  true);
    // Where the installer copies the configuration: missing on purpose, the copy must create it.
    QDir().mkpath(QFileInfo(agent.installedConfigDirectory).absolutePath());
    return ok;
}

void Sandbox::setAuthoriseAnswer(const QString &answer) const
{
    writeFile(m_root + QStringLiteral("/authorise"), answer.toUtf8());
}

void Sandbox::setFullDiskAccess(bool granted) const
{
    const QString marker = m_root + QStringLiteral("/no-full-disk-access");
    if (granted)
        QFile::remove(marker);
    else
        writeFile(marker, QByteArray());
}

void Sandbox::setAccounts(const QList<QPair<QString, QString>> &loginsAndPasswords) const
{
    QByteArray table;
    for (const auto &[login, password] : loginsAndPasswords)
        table += login.toUtf8() + '\t' + password.toUtf8() + '\n';
    writeFile(serverDirectory() + QStringLiteral("/accounts"), table);
}

QString Sandbox::managedSettingsFile() const
{
    return m_root + contract::toQString(contract::kManagedSettingsFile);
}

std::function<installer::ManagedSettingsSource()> Sandbox::managedSettingsSource() const
{
    return [file = managedSettingsFile()] { return installer::readManagedSettingsFile(file); };
}

void Sandbox::setManagedSettings(const QList<QPair<QString, QString>> &keysAndValues) const
{
    QFile::remove(managedSettingsFile());
    if (keysAndValues.isEmpty())
        return;
    QSettings settings(managedSettingsFile(), QSettings::IniFormat);
    for (const auto &[key, value] : keysAndValues)
        settings.setValue(key, value);
}

int Sandbox::serverPort() const
{
    QFile file(serverDirectory() + QStringLiteral("/port"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toInt() : 0;
}

QString Sandbox::daemonJobLine() const
{
    try {
        const auto result = platform::runChildProcess({paths().launchctl, {QStringLiteral("list")}, std::nullopt});
        for (const QString &line : QString::fromUtf8(result.output).split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\t') + contract::toQString(contract::kServiceLabel)))
                return line;
        }
    } catch (const platform::SystemError &) {
    }
    return QString();
}

bool Sandbox::isDaemonRunning() const
{
    const QString line = daemonJobLine();
    return !line.isEmpty() && !line.startsWith(QLatin1Char('-'));
}

} // namespace sandbox
