#include "menubar-app/service/ProcessHelper.h"

#include "menubar-app/service/ProcessError.h"
#include "platform/AdministratorShell.h"
#include "platform/ChildProcess.h"
#include "platform/Utf8.h"

#include <QFileInfo>

namespace menubar {

namespace {

QString decodeOutput(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        throw ProcessError::missingData();
    std::optional<QString> text = platform::decodeUtf8(bytes);
    if (!text)
        throw ProcessError::failedToDecodeOutput();
    return *text;
}

ProcessError processError(const platform::SystemError &error)
{
    return ProcessError::posix(error.code(), error.message());
}

platform::ChildProcessResult run(const platform::ChildProcessRequest &request)
{
    try {
        return platform::runChildProcess(request);
    } catch (const platform::SystemError &error) {
        throw processError(error);
    }
}

} // namespace

ProcessHelper::ProcessHelper(Tools tools)
    : m_tools(std::move(tools))
{}

QString ProcessHelper::executeProcess(const QString &processName, const QStringList &arguments)
{
    // The child's exit status is deliberately not looked at: its output is what counts.
    return decodeOutput(run(platform::ChildProcessRequest{processName, arguments, std::nullopt}).output);
}

QString ProcessHelper::executeAsRoot(const QString &command)
{
    if (QFileInfo::exists(m_tools.osascript))
        // Inserted verbatim: our commands hold no quote and no backslash.
        return executeProcess(m_tools.osascript, {QStringLiteral("-e"), platform::administratorScriptSource(command)});
    return executeThroughPkexec(command);
}

QString ProcessHelper::executeThroughPkexec(const QString &command)
{
    // Behave as callers expect of the AppleScript interpreter: a refused authorisation or a failing
    // command prints no result, and a result is printed as one line (a silent command gives "\n").
    const platform::ChildProcessResult result = run(platform::pkexecRequest(m_tools.pkexec, m_tools.shell, command));
    if (result.status != 0 || result.signalled)
        throw ProcessError::missingData();
    QByteArray output = result.output;
    if (output.endsWith('\n'))
        output.chop(1);
    return decodeOutput(output + '\n');
}

} // namespace menubar
