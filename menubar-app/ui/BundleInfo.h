#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace menubar {

// The application's information dictionary: the top-level keys of its Info.plist whose values are
// strings. The same generated file is the macOS bundle's Info.plist and a resource of the program.
class BundleInfo
{
public:
    static constexpr const char *kVersionKey = "CFBundleShortVersionString";
    static constexpr const char *kNameKey = "CFBundleName";

    // A malformed document gives an empty dictionary rather than an error: the About window then
    // shows its placeholders, which is all that depends on it.
    static BundleInfo fromPlist(const QByteArray &document);
    static BundleInfo fromFile(const QString &path);
    // The Info.plist compiled into the program.
    static BundleInfo mainBundle();

    // Empty when the key is missing or its value is not a string.
    std::optional<QString> stringForKey(const QString &key) const;

private:
    QHash<QString, QString> m_strings;
};

} // namespace menubar
