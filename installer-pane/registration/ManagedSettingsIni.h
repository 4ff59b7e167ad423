#pragma once

#include <QByteArrayView>
#include <QVariantMap>

namespace installer {

struct IniSettings
{
    QVariantMap values;     // every key, those of a section as "SECTION/KEY"
    bool wellFormed = true; // false where QSettings reports a format error
};

// What QSettings (Qt 6, QSettings::IniFormat) reads from a file with this content, read here in memory: a file
// can neither be swapped between the checks and the parse, nor does reading it need a temporary copy. A value is
// a QString when QSettings reads a string; a list (an unquoted comma) or any "@Type(…)" value but "@String(…)"
// is a value of another type: a QStringList or an invalid QVariant.
IniSettings parseIniSettings(QByteArrayView content);

} // namespace installer
