#include "shared/Translations.h"

#include "shared/ProgramLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {
namespace {

bool isEnglish(const QString& language) {
    return language == u"C" || language == u"POSIX" || language.startsWith(u"en");
}

// Loads `file` ("keyvigil", "qtbase") for `language` from `folder` into a translator the
// application keeps.
bool load(const QString& file, const QString& language, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file + u'_' + language, folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList languageFolders(const QLocale& locale) {
    return languageFolders(locale.uiLanguages());
}

QStringList languageFolders(const QStringList& uiLanguages) {
    QStringList languages;
    for (QString language : uiLanguages) {
        language.replace(u'-', u'_');
        // English is the texts' own language: the user's next choice is never put before it.
        if (isEnglish(language))
            break;
        languages << language;
    }
    QStringList folders;
    // The base language ("de" of "de_AT") follows the last of its variants, and carries its
    // texts for every country that has no translation of its own.
    for (qsizetype i = 0; i < languages.size(); ++i) {
        if (!folders.contains(languages[i]))
            folders << languages[i];
        const QString base = languages[i].section(u'_', 0, 0);
        const bool variantFollows =
            i + 1 < languages.size() && languages[i + 1].section(u'_', 0, 0) == base;
        if (!variantFollows && !folders.contains(base))
            folders << base;
    }
    return folders;
}

QString install(const QString& folder, const QLocale& locale, Missing missing) {
    const QStringList languages = languageFolders(locale);
    for (const QString& language : languages) {
        if (!QFileInfo::exists(folder + QStringLiteral("/keyvigil_") + language +
                               QStringLiteral(".qm")))
            continue;
        if (!load(QStringLiteral("keyvigil"), language, folder))
            continue;
        // The toolkit's own texts (its buttons and dialogs) are a package of their own, and
        // without it they stay English beside ours.
        load(QStringLiteral("qtbase"), language,
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return language;
    }
    if (!languages.isEmpty() && missing == Missing::Said)
        qCWarning(programLog).noquote()
            << QStringLiteral("no translation for %1 in %2; texts are in English")
                   .arg(languages.first(), folder);
    return {};
}

} // namespace Translations
