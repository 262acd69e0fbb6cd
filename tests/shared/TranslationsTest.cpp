#include "shared/Translations.h"

#include <gtest/gtest.h>

// The languages looked for, in the user's order: each with its base language after it, and
// none from English on, since English is the texts' own language.
TEST(Translations, LanguagesBeforeEnglishWithTheirBaseLanguages) {
    using Translations::languageFolders;
    EXPECT_EQ(languageFolders(QStringList{"de-AT", "fr"}), QStringList({"de_AT", "de", "fr"}));
    EXPECT_EQ(languageFolders(QStringList{"es", "en-GB", "de"}), QStringList({"es"}));
    EXPECT_EQ(languageFolders(QStringList{"en-US", "de"}), QStringList());
    EXPECT_EQ(languageFolders(QStringList{"C"}), QStringList());
    EXPECT_EQ(languageFolders(QStringList{"pt-BR", "pt"}), QStringList({"pt_BR", "pt"}));
    EXPECT_EQ(languageFolders(QStringList{"fr-Latn-CA", "fr-CA", "fr", "de"}),
              QStringList({"fr_Latn_CA", "fr_CA", "fr", "de"}));
}
