#pragma once

#include <QByteArrayView>
#include <QVariant>

namespace installer {

// The value after a key's '=' as QSettings reads it from an INI file: escapes, quotes and the blanks around it
// dropped. A QString for a string; a QStringList where an unquoted comma makes it a list; an invalid QVariant
// for "@Type(…)" forms other than "@String(…)".
QVariant iniValue(QByteArrayView text);

} // namespace installer
