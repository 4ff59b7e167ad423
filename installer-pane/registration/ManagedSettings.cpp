#include "installer-pane/registration/ManagedSettings.h"

#include "common/AgentPaths.h"
#include "installer-pane/registration/RegistrationFields.h"

#include <algorithm>
#include <numeric>

namespace installer {

namespace {

using contract::toQString;

// Why a value cannot be managed, or nothing when it can. Fault texts go to the log and are not translated;
// they never quote the value.
std::optional<QString> faultOf(const QString &key, const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return QStringLiteral("%1 is not a string").arg(key);
    const QString text = RegistrationFields::trimmedValue(value.toString());
    if (text.isEmpty())
        return QStringLiteral("%1 is empty").arg(key);
    // What a settings file holds that is not UTF-8 arrives as U+FFFD.
    if (text.contains(QChar::ReplacementCharacter))
        return QStringLiteral("%1 is not UTF-8 text").arg(key);
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return QStringLiteral("%1 holds a control character").arg(key);
    if (key == toQString(contract::kManagedServerAddressKey) &&
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); }))
        return QStringLiteral("%1 holds white space").arg(key);
    return std::nullopt;
}

// How many characters must be inserted, removed or replaced to turn one name into the other, case aside.
qsizetype editDistance(const QString &from, const QString &to)
{
    QList<qsizetype> row(to.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= from.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= to.size(); ++j) {
            const qsizetype replaced = diagonal + (from[i - 1].toCaseFolded() != to[j - 1].toCaseFolded());
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, replaced});
        }
    }
    return row[to.size()];
}

// The setting whose name is closest to a key that is none of ours: what the administrator may have meant.
QString closestSetting(const QString &key)
{
    const QStringList settings{toQString(contract::kManagedServerAddressKey), toQString(contract::kManagedLoginKey),
                               toQString(contract::kManagedNodeNameKey),
                               toQString(contract::kManagedNotifyWhenBackupsStopKey)};
    return *std::min_element(settings.cbegin(), settings.cend(), [&key](const QString &a, const QString &b) {
        return editDistance(key, a) < editDistance(key, b);
    });
}

// A switch of the menu-bar application's: a profile's Boolean, or the text a settings file holds; none where
// the source does not set it, and a fault where it is neither true nor false.
std::optional<bool> switchOf(const ManagedSettingsSource &source, std::string_view key, QStringList &faults)
{
    const QString name = toQString(key);
    if (!source.values.contains(name))
        return std::nullopt;
    const QVariant value = source.values.value(name);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    if (text == u"true" || text == u"false")
        return text == u"true";
    faults << QStringLiteral("%1 is neither true nor false").arg(name);
    return std::nullopt;
}

} // namespace

QStringList managedSettingsKeys()
{
    return {toQString(contract::kManagedServerAddressKey), toQString(contract::kManagedLoginKey),
            toQString(contract::kManagedNodeNameKey), toQString(contract::kManagedPasswordKey),
            toQString(contract::kManagedNotifyWhenBackupsStopKey)};
}

CheckedManagedSettings checkManagedSettings(const ManagedSettingsSource &source)
{
    CheckedManagedSettings checked;
    const QString passwordKey = toQString(contract::kManagedPasswordKey);
    if (source.values.contains(passwordKey)) {
        checked.settings.ignoredKeys << QStringLiteral("%1 in %2 ignored: a password is never taken from managed "
                                                       "settings, which every local user can read")
                                            .arg(passwordKey, source.origin);
        checked.warnings << checked.settings.ignoredKeys.last();
    }
    const QStringList ours = managedSettingsKeys();
    qsizetype unknown = 0;
    for (auto it = source.values.cbegin(); it != source.values.cend(); ++it) {
        if (ours.contains(it.key()))
            continue;
        QString shown = it.key(); // a key, never a value; but nothing in it may pass for a line of its own
        std::replace_if(
            shown.begin(), shown.end(), [](QChar c) { return c.category() == QChar::Other_Control; }, u'?');
        const QString closest = closestSetting(it.key());
        const QString warning =
            QStringLiteral("%1 in %2 ignored: no such setting; the closest is %3").arg(shown, source.origin, closest);
        checked.settings.ignoredKeys << warning;
        checked.settings.unknownKeys.insert(closest, warning); // of two keys near one setting, the later in order
        if (++unknown <= kLoggedUnknownKeys)
            checked.warnings << warning;
    }
    if (unknown > kLoggedUnknownKeys) {
        checked.warnings << QStringLiteral("%1 more keys in %2 ignored: no such settings (%3 unknown keys in all)")
                                .arg(unknown - kLoggedUnknownKeys)
                                .arg(source.origin)
                                .arg(unknown);
    }
    if (!source.unreadable.isEmpty()) {
        checked.settings.error =
            QStringLiteral("Managed settings in %1 ignored: %2").arg(source.origin, source.unreadable);
        checked.warnings << checked.settings.error;
        return checked;
    }

    QStringList faults;
    const auto take = [&](std::string_view key, std::optional<QString> &into) {
        const QString name = toQString(key);
        if (!source.values.contains(name))
            return;
        const QVariant value = source.values.value(name);
        if (const std::optional<QString> fault = faultOf(name, value))
            faults << *fault;
        else
            into = RegistrationFields::trimmedValue(value.toString());
    };
    take(contract::kManagedServerAddressKey, checked.settings.serverAddress);
    take(contract::kManagedLoginKey, checked.settings.login);
    take(contract::kManagedNodeNameKey, checked.settings.nodeName);
    checked.settings.notifyWhenBackupsStop = switchOf(source, contract::kManagedNotifyWhenBackupsStopKey, faults);
    if (!faults.isEmpty()) {
        checked.settings.serverAddress = checked.settings.login = checked.settings.nodeName = std::nullopt;
        checked.settings.notifyWhenBackupsStop = std::nullopt;
        checked.settings.error =
            QStringLiteral("Managed settings in %1 ignored: %2").arg(source.origin, faults.join(QStringLiteral("; ")));
        checked.warnings << checked.settings.error;
    }
    return checked;
}

} // namespace installer
