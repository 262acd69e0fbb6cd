#include "platform/desktop/DesktopWorkspace.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/shared/TempHome.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// xdg-mime and xdg-open of the test's own, alone on the PATH: the opener records its argument
// and ends with the status the test chose.
class OpeningURLs : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(bin.isValid());
        qputenv("PATH", QFile::encodeName(bin.path()));
    }
    void TearDown() override { qputenv("PATH", savedPath); }
    void desktop(const char* handler, int openerStatus) {
        writeFile(bin.path() + "/xdg-mime", QByteArray("#!/bin/sh\necho ") + handler + "\n", true);
        writeFile(bin.path() + "/xdg-open",
                  QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                      .arg(received)
                      .arg(openerStatus)
                      .toUtf8(),
                  true);
    }
    // Opens the link and lets the opener end; the reason given, if any.
    std::optional<QString> open(const QString& url = kLink) {
        std::optional<QString> reason;
        workspace.openURL(url, [&reason](const QString& why) { reason = why; });
        processEventsUntil([&] { return reason || QFile::exists(received); });
        processEventsUntil([&] { return reason.has_value(); }, std::chrono::milliseconds(300));
        return reason;
    }

    static inline const QString kLink = QStringLiteral("mailto:a@b.org?Subject=x%20y&body=%25%0A");
    QTemporaryDir bin;
    const QString received = bin.path() + "/received";
    QByteArray savedPath = qgetenv("PATH");
    DesktopWorkspace workspace;
};

// The scheme's program gets the link as one argument, as it was escaped; a failing opener, no
// program for the scheme, a link that is no URL and missing xdg-utils are each said, at once
// and with no browser tried instead.
TEST_F(OpeningURLs, TheSchemesProgramGetsTheLinkAndEachFailureIsSaid) {
    desktop("mail.desktop", 0);
    EXPECT_EQ(open(), std::nullopt);
    EXPECT_EQ(readFile(received), kLink.toUtf8());
    QFile::remove(received);
    desktop("mail.desktop", 4);
    EXPECT_EQ(open(), "xdg-open ended with status 4");
    EXPECT_TRUE(QFile::remove(received));

    desktop("", 0);
    EXPECT_EQ(open(), "no program is set to open mailto links");
    EXPECT_FALSE(QFile::exists(received));
    EXPECT_EQ(open("not a link"), "the link is not a valid URL");
    QFile::remove(bin.path() + "/xdg-mime");
    const std::optional<QString> reason = open();
    ASSERT_TRUE(reason);
    EXPECT_TRUE(reason->startsWith("xdg-mime, which finds the program for mailto links, could "
                                   "not be run"))
        << reason->toStdString();
}

} // namespace
