#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

const QString kEnglish = QStringLiteral("en");

bool installTranslator(const QString &file, const QString &directory)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(file, directory) || !QCoreApplication::installTranslator(translator.get()))
        return false;
    translator.release(); // the application object owns it now
    return true;
}

} // namespace

QString chooseLanguage(const QStringList &preferredLanguages)
{
    for (const QString &preferred : preferredLanguages) {
        const QString language = QLocale(preferred).name().section(u'_', 0, 0);
        if (language == kEnglish || kShippedLanguages.contains(language))
            return language;
    }
    return kEnglish;
}

QString installTranslations(const QStringList &preferredLanguages)
{
    const QString language = chooseLanguage(preferredLanguages);
    if (language == kEnglish)
        return language;
    installTranslator(QStringLiteral("kelvane_") + language, QStringLiteral(":/i18n"));
    // The standard buttons of message boxes and of the setup assistant; absent on some systems.
    installTranslator(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace platform
