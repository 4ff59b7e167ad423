// Written without a Mac to build or run it on. Every call is as Apple's documentation of Core Foundation gives
// it (CFPreferencesAppValueIsForced, CFPreferencesCopyAppValue with its Create Rule, CFGetTypeID,
// CFStringGetTypeID, CFRelease), and QString's CFString conversions as Qt's "Type Conversions" page gives them.
#include "installer-pane/registration/ManagedSettingsReader.h"

#include "common/AgentPaths.h"

#include <CoreFoundation/CoreFoundation.h>

namespace installer {

namespace {

// Only what a profile forces counts: CFPreferencesCopyAppValue also finds what a user wrote with `defaults`,
// which must not lock the page. Asked again after the copy, since the two calls are not one look.
std::optional<QVariant> forcedValue(CFStringRef key, CFStringRef domain)
{
    if (!CFPreferencesAppValueIsForced(key, domain))
        return std::nullopt;
    const CFPropertyListRef value = CFPreferencesCopyAppValue(key, domain);
    if (!value)
        return std::nullopt;
    QVariant found; // anything but a string or a Boolean stays invalid, a value of the wrong type
    if (CFGetTypeID(value) == CFStringGetTypeID())
        found = QString::fromCFString(static_cast<CFStringRef>(value));
    else if (CFGetTypeID(value) ==
             CFBooleanGetTypeID()) // CFBoolean: https://developer.apple.com/documentation/corefoundation/cfboolean
        found = CFBooleanGetValue(static_cast<CFBooleanRef>(value)) != 0;
    CFRelease(value);
    return CFPreferencesAppValueIsForced(key, domain) ? std::optional<QVariant>(found) : std::nullopt;
}

} // namespace

ManagedSettingsSource readSystemManagedSettings()
{
    const QString domainName = contract::toQString(contract::kManagedSettingsDomain);
    ManagedSettingsSource source{QStringLiteral("the managed preferences of ") + domainName, {}, {}};
    const CFStringRef domain = domainName.toCFString();
    for (const QString &key : managedSettingsKeys()) {
        const CFStringRef name = key.toCFString();
        if (const std::optional<QVariant> value = forcedValue(name, domain))
            source.values.insert(key, *value);
        CFRelease(name);
    }
    CFRelease(domain);
    return source;
}

} // namespace installer
