#pragma once

#include <QLocale>
#include <QString>

// The programs' texts in the user's language: Keyvigil's own translations, compiled into the pane
// bundle's translations folder ("keyvigil_de.qm", …), and the toolkit's for its standard buttons
// and dialogs. The settings file, its keys and values are the same in every language.
namespace Translations {

// Whether a language without a translation is said on the program's log: a command run by hand
// would say it at every run.
enum class Missing { Said, Quiet };

// Installs, into the running application, the translation for the first of the locale's
// languages that has one, and the toolkit's for the same language. English needs none; for
// another language without a translation one line says the texts stay English. Returns the
// language installed ("de", "pt_BR"), or an empty string.
QString install(const QString& folder, const QLocale& locale = QLocale(),
                Missing missing = Missing::Said);

// The user's languages that come before English, as file and folder names ("de_DE", "de"), most
// preferred first: the names of the translations and of the help book's translated pages. Empty
// for a user of English, whose next languages are never used.
QStringList languageFolders(const QLocale& locale = QLocale());
// The same from a list of languages in the locale's form ("de-AT", "en").
QStringList languageFolders(const QStringList& uiLanguages);

} // namespace Translations
