#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

const QString kEnglish = QStringLiteral("en");

bool installTranslator(const QString &file, const QString &directory)
{
    QCoreApplication *application = QCoreApplication::instance();
    // Once per catalogue: a program that makes a page on each opening asks for its language each time.
    if (application->findChild<QTranslator *>(file, Qt::FindDirectChildrenOnly))
        return true;
    // Owned by the application object, for as long as it speaks this language.
    auto *translator = new QTranslator(application);
    translator->setObjectName(file);
    if (translator->load(file, directory) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString chooseLanguage(const QStringList &preferredLanguages)
{
    for (const QString &preferred : preferredLanguages) {
        QString language = QLocale(preferred).name().section(u'_', 0, 0);
        if (language == kEnglish || kShippedLanguages.contains(language))
            return language;
    }
    return kEnglish;
}

QString installTranslations(const QStringList &preferredLanguages)
{
    QString language = chooseLanguage(preferredLanguages);
    if (language == kEnglish)
        return language;
    installTranslator(QStringLiteral("kelvane_") + language, QStringLiteral(":/i18n"));
    // The standard buttons of message boxes and of the setup assistant, from Qt, embedded beside ours.
    installTranslator(QStringLiteral("qtbase_") + language, QStringLiteral(":/i18n"));
    return language;
}

} // namespace platform
