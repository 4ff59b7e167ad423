#pragma once

#include <QMap>
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
    std::optional<bool> notifyWhenBackupsStop; // the menu-bar application's notifications; none: the user decides
    // What an administrator may have meant but did not get, as the log has it: the fault that left the whole
    // source unmanaged (empty when none did), and each key that is no setting of ours, by the setting whose name
    // is closest to it.
    QString error;
    QMap<QString, QString> unknownKeys;
    // One warning for every key that was ignored: a password, then each key that is no setting of ours.
    QStringList ignoredKeys;

    bool isEmpty() const { return !serverAddress && !login && !nodeName; }
    // Why the setting under this key has no value, if the source can tell: its error, or a key closest to it.
    QString whyMissing(const QString &key) const { return error.isEmpty() ? unknownKeys.value(key) : error; }
    bool operator==(const ManagedSettings &) const = default;
};

// What a source of managed settings holds before any of it is believed.
struct ManagedSettingsSource
{
    QString origin;     // where the values come from, for the log: a file's path, a preference domain
    QVariantMap values; // the keys it holds with their values as found (a QString only where it holds a string):
                        // every key, or at least each key of managedSettingsKeys() that is set
    QString unreadable; // why the source as a whole could not be read; empty when it could
};

// The managed settings a source comes to, and the warnings for the log: each fault, a password, and the first
// few keys that are no settings of ours by name, then one line that counts the rest (a file of thousands of them
// is no reason for thousands of lines).
struct CheckedManagedSettings
{
    ManagedSettings settings;
    QStringList warnings;
};

// How many unknown keys the log names before it only counts them.
inline constexpr qsizetype kLoggedUnknownKeys = 5;

// The keys a source is asked for: the three values, and the password that is looked for only to warn.
QStringList managedSettingsKeys();

// Values are trimmed at both ends, as the forms trim what is typed. Any fault (an unreadable source, a value
// that is not a string, one that is empty, an address with white space in it, a control character or text
// that was not UTF-8) leaves the whole source not managed, with one warning that names every fault: a form
// locked in part would pair an administrator's good values with one the user must guess. A password is
// never taken and is warned about on its own; it leaves the rest managed. So is a key that is no setting of ours,
// naming the setting closest to it, which may be the one meant.
CheckedManagedSettings checkManagedSettings(const ManagedSettingsSource &source);

} // namespace installer
