#pragma once
// Core Foundation as Apple's reference gives it, only what our sources call: Boolean (MacTypes), CFTypeRef,
// CFTypeID, CFGetTypeID, CFRelease (https://developer.apple.com/documentation/corefoundation/cftype),
// CFPropertyListRef (https://developer.apple.com/documentation/corefoundation/cfpropertylistref), CFStringRef and
// CFStringGetTypeID (https://developer.apple.com/documentation/corefoundation/cfstring),
// CFPreferencesAppValueIsForced and CFPreferencesCopyAppValue
// (https://developer.apple.com/documentation/corefoundation/preferences_utilities). CFStringRef is spelt as Qt's
// Q_FORWARD_DECLARE_CF_TYPE spells it, so that QString's CFString conversions name the same type.
typedef unsigned char Boolean;
typedef const void *CFTypeRef;
typedef unsigned long CFTypeID;
typedef CFTypeRef CFPropertyListRef;
typedef const struct __CFString *CFStringRef;
typedef const struct __CFBoolean *CFBooleanRef; // https://developer.apple.com/documentation/corefoundation/cfboolean

extern "C" {
CFTypeID CFGetTypeID(CFTypeRef cf);
void CFRelease(CFTypeRef cf);
CFTypeID CFStringGetTypeID(void);
CFTypeID CFBooleanGetTypeID(void);
Boolean CFBooleanGetValue(CFBooleanRef boolean);
Boolean CFPreferencesAppValueIsForced(CFStringRef key, CFStringRef applicationID);
CFPropertyListRef CFPreferencesCopyAppValue(CFStringRef key, CFStringRef applicationID);
}
