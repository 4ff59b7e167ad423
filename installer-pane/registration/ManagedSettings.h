#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace installer {

// The registration values an administrator has set for every machine, each one set or not.
struct ManagedSettings
{
    std::optional<QString> serverAddress;
    std::optional<QString> login;
    std::optional<QString> nodeName;

    bool isEmpty() const { return !serverAddress && !login && !nodeName; }
    bool operator==(const ManagedSettings &) const = default;
};

// What a source of managed settings holds before any of it is believed.
struct ManagedSettingsSource
{
    QString origin;     // where the values come from, for the log: a file's path, a preference domain
    QVariantMap values; // each key of managedSettingsKeys() that is set, with its value as found (a QString
                        // only when the source holds a string there)
    QString unreadable; // why the source as a whole could not be read; empty when it could
};

// The managed settings a source comes to, and one warning for each thing about it that was ignored.
struct CheckedManagedSettings
{
    ManagedSettings settings;
    QStringList warnings;
};

// The keys a source is asked for: the three values, and the password that is looked for only to warn.
QStringList managedSettingsKeys();

// Values are trimmed at both ends, as the forms trim what is typed. Any fault (an unreadable source, a value
// that is not a string, one that is empty, an address with white space in it, a control character or text
// that was not UTF-8) leaves the whole source not managed, with one warning that names every fault: a form
// locked in part would pair an administrator's good values with one the user must guess. A password is
// never taken and is warned about on its own; it leaves the rest managed.
CheckedManagedSettings checkManagedSettings(const ManagedSettingsSource &source);

} // namespace installer
