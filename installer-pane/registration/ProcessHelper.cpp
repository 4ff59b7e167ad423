#include "ProcessHelper.h"

#include "AdministratorShell.h"
#include "ChildProcess.h"
#include "OutputExcerpt.h"
#include "RegistrationError.h"

#include <QStringDecoder>

namespace installer {

namespace {

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    // Stateless: a sequence cut off at the end counts as invalid too. A leading BOM is kept as the child wrote it.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

ProcessHelper::ProcessHelper(platform::AdministratorShell &shell)
    : m_shell(shell)
{}

qint32 ProcessHelper::runProcess(const QString &path, const QStringList &arguments,
                                 std::optional<platform::ProcessEnvironment> environment,
                                 std::optional<QString> *output)
{
    platform::ChildProcessResult result;
    try {
        result = platform::runChildProcess({path, arguments, std::move(environment), false});
    } catch (const platform::SystemError &error) {
        throw RegistrationError(QStringLiteral("Can't run process '%1'. Error: %2").arg(path, error.message()));
    }
    if (output)
        *output = decodeUtf8(result.output);
    return result.signalled ? -result.status : result.status;
}

void ProcessHelper::runProcess(const QString &path, const QStringList &arguments)
{
    std::optional<QString> output;
    const qint32 status = runProcess(path, arguments, std::nullopt, &output);
    if (status == 0)
        return;
    throw RegistrationError(QStringLiteral("Process '%1' failed with exit code: %2\n\n%3")
                                .arg(path, QString::number(status), outputExcerpt(output)));
}

void ProcessHelper::runScriptAsRoot(const QString &command) const
{
    try {
        m_shell.run(command);
    } catch (const platform::AdministratorShellError &error) {
        throw RegistrationError(QStringLiteral("Can't execute script %1").arg(error.description()));
    }
}

} // namespace installer
