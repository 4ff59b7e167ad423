#include "installer-pane/registration/ManagedSettings.h"

#include "common/AgentPaths.h"
#include "installer-pane/registration/RegistrationFields.h"

#include <algorithm>

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

} // namespace

QStringList managedSettingsKeys()
{
    return {toQString(contract::kManagedServerAddressKey), toQString(contract::kManagedLoginKey),
            toQString(contract::kManagedNodeNameKey), toQString(contract::kManagedPasswordKey)};
}

CheckedManagedSettings checkManagedSettings(const ManagedSettingsSource &source)
{
    CheckedManagedSettings checked;
    const QString passwordKey = toQString(contract::kManagedPasswordKey);
    if (source.values.contains(passwordKey)) {
        checked.warnings << QStringLiteral("%1 in %2 ignored: a password is never taken from managed settings, "
                                           "which every local user can read")
                                .arg(passwordKey, source.origin);
    }
    if (!source.unreadable.isEmpty()) {
        checked.warnings << QStringLiteral("Managed settings in %1 ignored: %2").arg(source.origin, source.unreadable);
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
    if (!faults.isEmpty()) {
        checked.settings = {};
        checked.warnings << QStringLiteral("Managed settings in %1 ignored: %2")
                                .arg(source.origin, faults.join(QStringLiteral("; ")));
    }
    return checked;
}

} // namespace installer
