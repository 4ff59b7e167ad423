#include "installer-pane/registration/ManagedSettingsReader.h"

#include "installer-pane/registration/ManagedSettingsIni.h"
#include "platform/LogSink.h"

#include <QFile>
#include <QFileInfo>

namespace installer {

namespace {

// Three short values fit many times over; more is not a file an administrator meant.
constexpr qint64 kManagedSettingsFileLimit = qint64{64} * 1024;

} // namespace

ManagedSettingsReader::ManagedSettingsReader(Source source, std::shared_ptr<platform::LogSink> log)
    : m_source(std::move(source))
    , m_log(std::move(log))
{}

ManagedSettings ManagedSettingsReader::read()
{
    const CheckedManagedSettings checked = checkManagedSettings(m_source());
    for (const QString &warning : checked.warnings) {
        if (m_logged.contains(warning))
            continue;
        m_logged << warning;
        if (m_log)
            m_log->write(platform::LogLevel::Warning, warning);
    }
    return checked.settings;
}

ManagedSettingsSource readManagedSettingsFile(const QString &path)
{
    ManagedSettingsSource source{path, {}, {}};
    const QFileInfo info(path);
    if (!info.exists())
        return source; // what a machine without managed settings has
    // Nothing that could keep the page waiting or fill the memory: a pipe, a device, a huge file.
    QFile file(path);
    if (!info.isFile()) {
        source.unreadable = QStringLiteral("it is not a regular file");
        return source;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        source.unreadable = QStringLiteral("the file cannot be read");
        return source;
    }
    const QByteArray content = file.read(kManagedSettingsFileLimit + 1);
    if (content.size() > kManagedSettingsFileLimit) {
        source.unreadable = QStringLiteral("the file is larger than %1 bytes").arg(kManagedSettingsFileLimit);
        return source;
    }

    // Parsed in memory, from exactly the bytes looked at: nothing can be swapped in between, and nothing depends
    // on a temporary directory.
    const IniSettings settings = parseIniSettings(content);
    if (!settings.wellFormed)
        source.unreadable = QStringLiteral("the file is not in the settings format");
    source.values = settings.values; // every key, so that a misspelt one is warned about
    return source;
}

} // namespace installer
