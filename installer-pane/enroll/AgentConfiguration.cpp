#include "installer-pane/enroll/AgentConfiguration.h"

#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace installer {

namespace {

// A configuration of a few settings fits many times over.
constexpr qsizetype kConfigurationLimit = qsizetype{64} * 1024;

std::optional<QByteArray> readRegularFile(const QString &path)
{
    // No link followed and no pipe waited on: status may run as root on whatever lies at the path.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray content;
    struct stat status = {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kConfigurationLimit) {
        content.resize(qsizetype(status.st_size));
        const ssize_t count = ::read(fd, content.data(), size_t(content.size()));
        content.resize(std::max<qsizetype>(count, 0));
    }
    ::close(fd);
    return content;
}

} // namespace

std::optional<QString> AgentConfiguration::agentGuid(const QString &configFile)
{
    const std::optional<QByteArray> content = readRegularFile(configFile);
    if (!content)
        return std::nullopt;
    // A key that ends in "guid" (agent_guid, AgentGUID, "guid"), then '=' or ':', then 8-4-4-4-12 hex digits.
    static const QRegularExpression line(
        QStringLiteral(R"(^\s*"?[\w.-]*guid"?\s*[=:]\s*"?\{?([0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-)"
                       R"([0-9a-f]{12})\}?"?\s*,?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(*content));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace installer
