#include "pane/HelpHandoff.h"
#include "pane/KeyvigilPref.h"
#include "pane/PercentEscapes.h"
#include "pane/SupportMail.h"
#include "shared/Identifiers.h"
#include "shared/PropertyListFile.h"
#include "tests/fakes/FakePanePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QString kIntroduction =
    "\n\nDebugging info is included below.  You can delete it if irrelevant to your email, or "
    "review it to assure that it contains no information that you do not want sent.  It contains "
    "your preferences, information from recent crashes (if any), and your OS version (Debian "
    "GNU/Linux 12 (bookworm), Linux 6.1.0).\n\n"
    "--------------------------   Preferences   --------------------------\n";
const QString kLogHeader =
    "\n\n--------------------------   Log Entries   --------------------------\n\n";
const QString kCrashHeader =
    "\n\n--------------------------   Crash Report   --------------------------\n";

// A pane on fakes in a home of its own, shown once, with the help hand-off store beside it.
class HelpAndMail : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        qputenv("HOME", QFile::encodeName(root.path()));
        QDir().mkpath(bundle + QStringLiteral("/Contents"));
        PropertyListFile::writeDictionary(
            bundle + QStringLiteral("/Contents/Info.plist"),
            {{QStringLiteral("CFBundleVersion"), PlistValue::fromString(QStringLiteral("6.2"))}},
            PropertyListFile::Format::Xml, 0644);
        KeyvigilPref::unloadClass();
        ASSERT_TRUE(pref.initWithBundle(bundle));
        pref.willSelect();
        fakes.journal.clear();
    }
    void TearDown() override { qputenv("HOME", savedHome); }

    RVPrefs handoff() const { return RVPrefs(kHelpViewerIdentifier); }
    // A viewer that has recorded itself; `running` says whether it is still there.
    void recordViewer(std::uint32_t pid, bool running) {
        RVPrefs store = handoff();
        store.setIntForKey(77, QStringLiteral("PSNhigh"));
        store.setIntForKey(std::int32_t(pid), QStringLiteral("PSNlow"));
        ASSERT_TRUE(store.synchronize());
        if (running)
            fakes.services.processes.push_back({{77, pid}, QStringLiteral("viewer")});
    }
    void pressHelp(const QString& title) {
        fakes.form[Outlet::capitalsHelpButton].text = title;
        pref.userChanged(Outlet::capitalsHelpButton);
    }
    QString helpViewer() const { return bundle + "/Contents/Resources/Help Viewer.app"; }
    QString mail() {
        pref.userChanged(Outlet::emailTheAuthorButton);
        return fakes.services.openedURLs.isEmpty() ? QString() : fakes.services.openedURLs.last();
    }
    QString plainMail() { return QUrl::fromPercentEncoding(mail().toUtf8()); }
    QString mailHead() const {
        return "mailto:support@keyvigil.org?Subject=KeyVigil v6.2&body=" + kIntroduction +
               pref.prefs()->description();
    }

    QTemporaryDir root;
    const QByteArray savedHome = qgetenv("HOME");
    const QString bundle = root.path() + QStringLiteral("/Keyvigil.prefPane");
    FakePanePlatform fakes;
    KeyvigilPref pref{fakes.platform};
};

TEST_F(HelpAndMail, TheFirstRequestLeavesFourKeysThenLaunchesTheViewer) {
    pressHelp(QStringLiteral("capitals"));
    const RVPrefs store = handoff();
    EXPECT_EQ(store.objectForKey("Help Folder Path")->toString(),
              bundle + "/Contents/Resources/Keyvigil Help");
    EXPECT_EQ(store.objectForKey("Path")->toString(), "index.html");
    EXPECT_EQ(store.objectForKey("Anchor")->toString(), "capitals");
    EXPECT_EQ(store.objectForKey("Help Book Folder")->toString(), "Keyvigil Help");
    EXPECT_FALSE(store.objectForKey("PSNlow"));
    EXPECT_EQ(fakes.journal.entries(), QStringList{"launch application " + helpViewer()});

    // An empty title is an empty anchor; no anchor removes the key.
    pressHelp(QString());
    EXPECT_EQ(handoff().objectForKey("Anchor")->toString(), "");
    showHelp(QStringLiteral("Keyvigil Help"), std::nullopt, std::nullopt, bundle, fakes.platform);
    EXPECT_FALSE(handoff().objectForKey("Anchor"));
}

TEST_F(HelpAndMail, ARunningViewerIsWokenAndOneThatHasQuitIsLaunchedAgain) {
    recordViewer(5150, true);
    showHelp(QStringLiteral("Keyvigil Help"), QStringLiteral("indicators.html"), std::nullopt,
             bundle, fakes.platform);
    EXPECT_EQ(handoff().objectForKey("Path")->toString(), "indicators.html");
    EXPECT_EQ(fakes.journal.entries(), QStringList{"send rapp 5150"});

    fakes.journal.clear();
    fakes.services.processes.clear();
    pressHelp(QStringLiteral("tray"));
    EXPECT_EQ(fakes.journal.entries(), QStringList{"launch application " + helpViewer()});
}

TEST_F(HelpAndMail, LeavingQuitsTheViewerOnlyWhenItShowsThisBook) {
    pref.willUnselect(); // no viewer recorded: nothing is sent
    recordViewer(5150, true);
    RVPrefs store = handoff();
    store.setObjectForKey(PlistValue::fromString("Other Help"), QStringLiteral("Help Book Folder"));
    ASSERT_TRUE(store.synchronize());
    pref.willUnselect();
    EXPECT_FALSE(fakes.journal.entries().contains("send quit 5150"));

    pressHelp(QStringLiteral("running"));
    fakes.journal.clear();
    pref.willUnselect();
    EXPECT_TRUE(fakes.journal.entries().contains("send quit 5150"));
}

TEST_F(HelpAndMail, AMailWithNothingToReportHoldsTheSettingsAndAnEmptyLogSection) {
    const QString url = mail();
    EXPECT_TRUE(url.startsWith("mailto:support@keyvigil.org?Subject=KeyVigil%20v6.2&body=%0A%0A"))
        << qPrintable(url.left(80));
    EXPECT_EQ(QUrl::fromPercentEncoding(url.toUtf8()), mailHead() + kLogHeader);
    EXPECT_EQ(fakes.support.attributesAsked, QStringList{root.path() + "/Library/LaunchAgents"});
    EXPECT_TRUE(QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode).isValid());
}

TEST_F(HelpAndMail, AMailTakesTheAgentFolderTheNamedLogLinesAndKeyvigilsReportsCut) {
    fakes.support.agentFolder =
        PlistValue::Dictionary{{"NSFileType", PlistValue::fromString("NSFileTypeDirectory")},
                               {"NSFilePosixPermissions", PlistValue::fromInt(493)}};
    fakes.support.logLines = {"Dec  7 05:40:12 host Keyvigil Helper[12]: no tray",
                              "Dec  7 05:40:13 host System Preferences[13]: loaded",
                              "Dec  7 05:40:14 host keyvigil-agent[14]: lower case", ""};
    fakes.support.reports = {
        {"Keyvigil Helper_2026.crash", "Process: Keyvigil Helper\nThread 0::\nmain\nThread 1::\nx"},
        {"Other_2026.crash", "not ours"},
        {"Keyvigil Helper_2025.crash", std::nullopt},
        {"Keyvigil/first.crash", "Thread 1:: at once"},
        {"dumps/Keyvigil Helper.crash", "in a folder of another name"}};
    EXPECT_EQ(plainMail(),
              mailHead() +
                  "\n\n--------------------------   LaunchAgents   --------------------------\n"
                  "{\n    NSFilePosixPermissions = 493;\n    NSFileType = NSFileTypeDirectory;\n}" +
                  kLogHeader + "Dec  7 05:40:12 host Keyvigil Helper[12]: no tray\r" +
                  "Dec  7 05:40:13 host System Preferences[13]: loaded\r" + kCrashHeader +
                  "Process: Keyvigil Helper\nThread 0::\nmain\n" + kCrashHeader);
}

TEST_F(HelpAndMail, ATooLongMailLeavesOutReportsThenTheOldestLinesAndSaysSo) {
    for (int i = 0; i < 3000; ++i)
        fakes.support.logLines.append(
            QStringLiteral("Keyvigil line %1 %2").arg(i).arg(QString(40, u'x')));
    fakes.support.reports = {{"Keyvigil Helper.crash", QString(20000, u' ')}};
    const QString url = mail();
    EXPECT_LE(url.size(), kLongestMailURL);
    EXPECT_GT(url.size(), kLongestMailURL - 200);
    const QString text = QUrl::fromPercentEncoding(url.toUtf8());
    EXPECT_FALSE(text.contains(kCrashHeader));
    EXPECT_FALSE(text.contains("Keyvigil line 0 "));
    EXPECT_TRUE(text.contains("Keyvigil line 2999 "));
    EXPECT_TRUE(text.endsWith("so that the mail fits in one link.)\n"));

    // A mail that fits says nothing of the sort.
    fakes.support.logLines.resize(10);
    EXPECT_FALSE(plainMail().contains("left out"));
}

TEST(PercentEscapes, OnlyWhatAURLMayNotHoldIsEscapedAsUtf8Bytes) {
    struct Case {
        QString text;
        QString escaped;
    };
    const Case cases[] = {
        {"a-z_A.Z~0!*'();/?:@&=+$,", "a-z_A.Z~0!*'();/?:@&=+$,"},
        {"two words\n\r\t", "two%20words%0A%0D%09"},
        {"100% #1 <b> \"q\" [x] {y} |\\^`",
         "100%25%20%231%20%3Cb%3E%20%22q%22%20%5Bx%5D%20%7By%7D%20%7C%5C%5E%60"},
        {QString::fromUtf8("é€😀"), "%C3%A9%E2%82%AC%F0%9F%98%80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(addingPercentEscapes(c.text), c.escaped);
        EXPECT_EQ(QUrl::fromPercentEncoding(c.escaped.toUtf8()), c.text);
    }
}

} // namespace
