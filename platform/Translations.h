#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The languages we ship besides English: their texts are translations, while the English texts are
// the source texts themselves and need no file.
inline const QStringList kShippedLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                                           QStringLiteral("ja")};

// The first of the user's preferred languages ("de-CH", "ja_JP", "en") that we ship, as its language
// code; "en" when English comes first or none of them is ours.
QString chooseLanguage(const QStringList &preferredLanguages);

// Puts our texts in that language into the application, with Qt's own texts (the standard buttons),
// from the catalogues compiled into the program under :/i18n/. English
// installs nothing. The translators belong to the application object. Returns the language used.
QString installTranslations(const QStringList &preferredLanguages);

} // namespace platform
