#include "tools/help-viewer/HelpRequest.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"
#include "tests/shared/TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A book of two pages and a file beside it, in a home of its own.
class HelpRequestTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        ASSERT_TRUE(QDir().mkpath(book + "/sub"));
        for (const QString& file :
             {book + "/index.html", book + "/sub/page.html", home() + "/secret"})
            writeFile(file, "<html/>");
        ASSERT_TRUE(QFile::link(home() + "/secret", book + "/escape.html"));
        ASSERT_TRUE(QFile::link(book + "/index.html", book + "/alias.html"));
    }
    std::optional<QString> resolve(const QString& from, const QString& target) {
        return resolveInBook(book, from, target);
    }
    QString book = home() + "/it's Help";
};

TEST_F(HelpRequestTest, OnlyExistingFilesInsideTheBookResolve) {
    EXPECT_EQ(resolve(book, "index.html"), book + "/index.html");
    EXPECT_EQ(resolve(book + "/sub", "../index.html"), book + "/index.html");
    EXPECT_EQ(resolve(book, book + "/sub/page.html"), book + "/sub/page.html");
    EXPECT_EQ(resolve(book, "alias.html"), book + "/index.html");
    for (const QString& outside :
         {QString("../secret"), home() + "/secret", QString("escape.html"), QString("/etc/passwd"),
          QString("missing.html"), QString("sub"), QString("")})
        EXPECT_EQ(resolve(book, outside), std::nullopt) << qPrintable(outside);
    // A book folder whose name only begins like this one's is another folder.
    ASSERT_TRUE(QDir().mkpath(book + " 2"));
    writeFile(book + " 2/index.html", "<html/>");
    EXPECT_EQ(resolve(book, book + " 2/index.html"), std::nullopt);
}

TEST_F(HelpRequestTest, TheRecordIsClearedOnlyByTheViewerItNames) {
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

TEST_F(HelpRequestTest, ARequestWithoutAPageShowsTheStartPageAndKeepsAnEmptyAnchor) {
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
