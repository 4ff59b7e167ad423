#pragma once

#include "installer-pane/registration/ManagedSettings.h"

#include <functional>
#include <memory>

namespace platform {
class LogSink;
}

namespace installer {

// Where the page and the enrol command get the values an administrator set. Each read looks at the source
// afresh, so that a profile installed while the page is open counts at its next entry; each distinct warning
// goes to the log once for as long as the reader lives, not at every entry.
class ManagedSettingsReader
{
public:
    using Source = std::function<ManagedSettingsSource()>;

    ManagedSettingsReader(Source source, std::shared_ptr<platform::LogSink> log);

    ManagedSettings read();

private:
    Source m_source;
    std::shared_ptr<platform::LogSink> m_log;
    QStringList m_logged;
};

// A settings file in the format QSettings gives INI files, the keys in its [General] section: the system's
// on Linux; a sandbox's or a test's anywhere.
ManagedSettingsSource readManagedSettingsFile(const QString &path);

// The system's own: the values that a configuration profile forces in the preference domain on macOS, the
// system settings file elsewhere.
ManagedSettingsSource readSystemManagedSettings();

} // namespace installer
