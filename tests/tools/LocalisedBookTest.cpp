#include "tools/help-viewer/LocalisedBook.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

namespace {

// An English book of three pages and its style sheet, with German and Austrian pages for some.
class LocalisedBookTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        for (const char* file : {"/index.html", "/warnings.html", "/starting.html", "/style.css",
                                 "/de/index.html", "/de/warnings.html", "/de_AT/index.html"})
            writeFile(book + QLatin1StringView(file), "<html/>");
        writeFile(home() + "/secret", "<html/>");
        ASSERT_TRUE(QFile::link(home() + "/secret", book + "/de/starting.html"));
    }
    QString book = home() + "/Help";
};

TEST_F(LocalisedBookTest, EachPageComesFromTheFirstLanguageThatHasItElseFromEnglish) {
    const LocalisedBook austrian(book, {"de_AT", "de"});
    EXPECT_EQ(austrian.page("index.html"), book + "/de_AT/index.html");
    EXPECT_EQ(austrian.page("warnings.html"), book + "/de/warnings.html");
    // A translated page that leads out of the book is passed over for the English one.
    EXPECT_EQ(austrian.page("starting.html"), book + "/starting.html");
    EXPECT_EQ(LocalisedBook(book, {"fr"}).page("index.html"), book + "/index.html");
    EXPECT_EQ(LocalisedBook(book, {}).page("warnings.html"), book + "/warnings.html");
    EXPECT_EQ(austrian.page("missing.html"), std::nullopt);
}

TEST_F(LocalisedBookTest, LinksAreNamedAsOnTheEnglishPagesFromAPageInAnyLanguage) {
    const LocalisedBook german(book, {"de"});
    const QString germanPage = book + "/de/index.html";
    EXPECT_EQ(german.resolve(germanPage, "warnings.html"), book + "/de/warnings.html");
    EXPECT_EQ(german.resolve(germanPage, "style.css"), book + "/style.css");
    // The toolkit hands over links already made absolute against the page shown.
    EXPECT_EQ(german.resolve(germanPage, book + "/de/style.css"), book + "/style.css");
    EXPECT_EQ(german.resolve(book + "/starting.html", "index.html"), book + "/de/index.html");
    for (const QString& outside :
         {QString("../secret"), QString("../index.html"), home() + "/secret", QString("")})
        EXPECT_EQ(german.resolve(germanPage, outside), std::nullopt) << qPrintable(outside);
}

} // namespace
