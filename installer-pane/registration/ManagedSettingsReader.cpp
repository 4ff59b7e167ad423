#include "installer-pane/registration/ManagedSettingsReader.h"

#include "platform/LogSink.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

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

    // QSettings keeps what it parsed of a file for the whole process and reports a format error only while it
    // parses, so a second look at an unchanged broken file would take its values: every look parses a copy of
    // its own.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(content) != content.size() || !copy.flush()) {
        source.unreadable = QStringLiteral("no temporary copy of the file could be made");
        return source;
    }
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        source.unreadable = QStringLiteral("the file is not in the settings format");
    // Looked at even then, so that a password in a broken file is still warned about.
    for (const QString &key : managedSettingsKeys()) {
        if (settings.contains(key))
            source.values.insert(key, settings.value(key));
    }
    return source;
}

} // namespace installer
