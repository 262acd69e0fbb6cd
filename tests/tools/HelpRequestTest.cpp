#include "tools/help-viewer/HelpRequest.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"
#include "tests/shared/TempHome.h"
#include "tools/help-viewer/LocalisedBook.h"

#include <gtest/gtest.h>

namespace {

// An English book with German and Austrian pages for some, and a file beside it that links in
// the book lead to, in a home of its own.
class HelpViewerBook : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        for (const char* file :
             {"/index.html", "/sub/page.html", "/warnings.html", "/starting.html", "/style.css",
              "/de/index.html", "/de/warnings.html", "/de_AT/index.html"})
            writeFile(book + QLatin1StringView(file), "<html/>");
        writeFile(home() + "/secret", "<html/>");
        for (const auto& [target, link] : {std::pair{home() + "/secret", "/escape.html"},
                                           {home() + "/secret", "/de/starting.html"},
                                           {book + "/index.html", "/alias.html"}})
            ASSERT_TRUE(QFile::link(target, book + link));
    }
    std::optional<QString> resolve(const QString& from, const QString& target) {
        return resolveInBook(book, from, target);
    }
    QString book = home() + "/it's Help";
};

TEST_F(HelpViewerBook, OnlyExistingFilesInsideTheBookResolve) {
    EXPECT_EQ(resolve(book, "index.html"), book + "/index.html");
    EXPECT_EQ(resolve(book + "/sub", "../index.html"), book + "/index.html");
    EXPECT_EQ(resolve(book, book + "/sub/page.html"), book + "/sub/page.html");
    EXPECT_EQ(resolve(book, "alias.html"), book + "/index.html");
    for (const QString& outside :
         {QString("../secret"), home() + "/secret", QString("escape.html"), QString("/etc/passwd"),
          QString("missing.html"), QString("sub"), QString("")})
        EXPECT_EQ(resolve(book, outside), std::nullopt) << qPrintable(outside);
    // A book folder whose name only begins like this one's is another folder.
    writeFile(book + " 2/index.html", "<html/>");
    EXPECT_EQ(resolve(book, book + " 2/index.html"), std::nullopt);
}

TEST_F(HelpViewerBook, EachPageComesFromTheFirstLanguageThatHasItElseFromEnglish) {
    const LocalisedBook austrian(book, {"de_AT", "de"});
    EXPECT_EQ(austrian.page("index.html"), book + "/de_AT/index.html");
    EXPECT_EQ(austrian.page("warnings.html"), book + "/de/warnings.html");
    // A translated page that leads out of the book is passed over for the English one.
    EXPECT_EQ(austrian.page("starting.html"), book + "/starting.html");
    EXPECT_EQ(LocalisedBook(book, {"fr"}).page("index.html"), book + "/index.html");
    EXPECT_EQ(LocalisedBook(book, {}).page("warnings.html"), book + "/warnings.html");
    EXPECT_EQ(austrian.page("missing.html"), std::nullopt);
}

TEST_F(HelpViewerBook, LinksAreNamedAsOnTheEnglishPagesFromAPageInAnyLanguage) {
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

TEST_F(HelpViewerBook, TheViewersRecordIsClearedOnlyByTheViewerItNames) {
    const ProcessSerialNumber self{4000000000u, 321};
    ASSERT_TRUE(HelpHandoffStore::recordViewer(self));
    RVPrefs store(kHelpViewerIdentifier);
    EXPECT_EQ(std::uint32_t(store.intForKey("PSNhigh")), self.highLongOfPSN);
    EXPECT_EQ(store.intForKey("PSNlow"), 321);

    const ProcessSerialNumber other{4000000000u, 654};
    ASSERT_TRUE(HelpHandoffStore::recordViewer(other));
    ASSERT_TRUE(HelpHandoffStore::clearViewer(self));
    EXPECT_EQ(RVPrefs(kHelpViewerIdentifier).intForKey("PSNlow"), 654);
    ASSERT_TRUE(HelpHandoffStore::clearViewer(other));
    EXPECT_FALSE(RVPrefs(kHelpViewerIdentifier).find("PSNlow"));
}

TEST_F(HelpViewerBook, ARequestWithoutAPageShowsTheStartPageAndKeepsAnEmptyAnchor) {
    RVPrefs store(kHelpViewerIdentifier);
    store.setObjectForKey(PlistValue::fromString(book), QStringLiteral("Help Folder Path"));
    store.setObjectForKey(PlistValue::fromString(""), QStringLiteral("Anchor"));
    ASSERT_TRUE(store.synchronize());
    const HelpRequest request = HelpHandoffStore::read();
    EXPECT_EQ(request.bookFolder, book);
    EXPECT_EQ(request.page, "index.html");
    EXPECT_EQ(request.anchor, QString(""));
}

} // namespace
