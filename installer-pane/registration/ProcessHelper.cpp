#include "installer-pane/registration/ProcessHelper.h"

#include "installer-pane/registration/OutputExcerpt.h"
#include "installer-pane/registration/RegistrationError.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/LogSink.h"
#include "platform/Utf8.h"

namespace installer {

ProcessHelper::ProcessHelper(platform::AdministratorShell &shell, platform::LogSink *log)
    : m_shell(shell)
    , m_log(log)
{}

qint32 ProcessHelper::runProcess(const QString &path, const QStringList &arguments,
                                 std::optional<platform::ProcessEnvironment> environment,
                                 std::optional<QString> *output, QByteArray *errorOutput)
{
    platform::ChildProcessResult result;
    try {
        result = platform::runChildProcess({path, arguments, std::move(environment), errorOutput != nullptr});
    } catch (const platform::SystemError &error) {
        throw RegistrationError(tr("Can't run process '%1'. Error: %2").arg(path, error.message()));
    }
    if (output)
        *output = platform::decodeUtf8(result.output);
    if (errorOutput)
        *errorOutput = result.errorOutput;
    return result.signalled ? -result.status : result.status;
}

void ProcessHelper::runProcess(const QString &path, const QStringList &arguments)
{
    std::optional<QString> output;
    const qint32 status = runProcess(path, arguments, std::nullopt, &output);
    if (status == 0)
        return;
    throw RegistrationError(
        tr("Process '%1' failed with exit code: %2\n\n%3").arg(path, QString::number(status), outputExcerpt(output)));
}

void ProcessHelper::runScriptAsRoot(const QString &command) const
{
    try {
        m_shell.run(command);
    } catch (const platform::AdministratorShellError &error) {
        if (m_log)
            m_log->write(platform::LogLevel::Error,
                         QStringLiteral("Enroller.ProcessHelper Can't execute script ") + error.description());
        throw RegistrationError(tr("Can't execute script %1").arg(error.description()));
    }
}

uid_t ProcessHelper::scriptUser() const
{
    return m_shell.commandUser();
}

} // namespace installer
