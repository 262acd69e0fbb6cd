#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kBook = QStringLiteral(KEYVIGIL_HELP_BOOK);
const QString kStartPage = QStringLiteral("index.html");
const QString kStylesheet = QStringLiteral("style.css");

struct Page {
    QString error; // empty when the page is well-formed
    QString title;
    std::set<QString> ids;
    std::vector<QString> hrefs;
    bool linksStylesheet = false;
    std::vector<QString> fixedColours; // attributes that would override the viewer's palette
};

Page readPage(const QString& path) {
    Page page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        page.error = file.errorString();
        return page;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.hasAttribute("id"_L1))
            page.ids.insert(attributes.value("id"_L1).toString());
        for (const auto& attribute : attributes) {
            const QString name = attribute.name().toString();
            if (name == u"bgcolor" || name == u"color" ||
                (name == u"style" && attribute.value().contains(u"color")))
                page.fixedColours.push_back(name);
        }
        const QString href = attributes.value("href"_L1).toString();
        if (xml.name() == u"a" || xml.name() == u"link")
            if (!href.isEmpty())
                page.hrefs.push_back(href);
        if (xml.name() == u"link" && attributes.value("rel"_L1) == u"stylesheet" &&
            href == kStylesheet)
            page.linksStylesheet = true;
        if (xml.name() == u"title")
            page.title = xml.readElementText().trimmed();
    }
    if (xml.hasError())
        page.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return page;
}

// Every page of the built book, by file name, read once.
const std::map<QString, Page>& book() {
    static const std::map<QString, Page> pages = [] {
        std::map<QString, Page> read;
        for (const QString& name : QDir(kBook).entryList({QStringLiteral("*.html")}, QDir::Files))
            read.emplace(name, readPage(kBook + u'/' + name));
        return read;
    }();
    return pages;
}

// A link inside the book: the page it names (the linking page for "#x") and the fragment.
struct Target {
    QString page;
    QString fragment;
};

std::optional<Target> localTarget(const QString& from, const QString& href) {
    const QUrl url(href);
    if (!url.scheme().isEmpty())
        return std::nullopt;
    if (url.path().isEmpty())
        return Target{from, url.fragment()};
    return Target{QDir::cleanPath(QFileInfo(from).path() + u'/' + url.path()), url.fragment()};
}

struct HelpButton {
    QString objectName;
    QString anchor;
};

// The settings window's help buttons: tool buttons named "…HelpButton", titled with an anchor.
std::vector<HelpButton> helpButtons(QString* error) {
    std::vector<HelpButton> buttons;
    QFile file(QStringLiteral(KEYVIGIL_PANE_INTERFACE));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return buttons;
    }
    QXmlStreamReader xml(&file);
    int depth = 0;
    int buttonDepth = -1; // depth of the help button being read, -1 outside one
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && depth-- == buttonDepth)
            buttonDepth = -1;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"widget" && attributes.value("class"_L1) == u"QToolButton" &&
            attributes.value("name"_L1).endsWith(u"HelpButton")) {
            buttonDepth = depth;
            buttons.push_back({attributes.value("name"_L1).toString(), {}});
        } else if (buttonDepth == depth - 1 && xml.name() == u"property" &&
                   attributes.value("name"_L1) == u"text") {
            if (xml.readNextStartElement() && xml.name() == u"string")
                buttons.back().anchor = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return buttons;
}

TEST(HelpBook, EveryPageIsWellFormedAndTitled) {
    ASSERT_TRUE(book().count(kStartPage)) << "no start page in " << kBook.toStdString();
    for (const auto& [name, page] : book()) {
        EXPECT_EQ(page.error.toStdString(), "") << name.toStdString();
        EXPECT_FALSE(page.title.isEmpty()) << name.toStdString() << " has no title";
    }
}

TEST(HelpBook, EveryPageTakesItsLookFromTheStylesheetAndItsColoursFromTheViewer) {
    QFile css(kBook + u'/' + kStylesheet);
    ASSERT_TRUE(css.open(QIODevice::ReadOnly)) << "no " << kStylesheet.toStdString();
    QString rules = QString::fromUtf8(css.readAll());
    rules.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                    QRegularExpression::DotMatchesEverythingOption));
    // A foreground or background colour would be unreadable in one of the light and dark themes;
    // a border's grey is not such a colour.
    const QRegularExpression colour(QStringLiteral("(^|[{;\\s])(color|background[a-z-]*)\\s*:"));
    EXPECT_FALSE(colour.match(rules).hasMatch()) << colour.match(rules).captured(0).toStdString();

    for (const auto& [name, page] : book()) {
        EXPECT_TRUE(page.linksStylesheet) << name.toStdString();
        EXPECT_TRUE(page.fixedColours.empty())
            << name.toStdString() << " sets " << page.fixedColours.front().toStdString();
    }
}

TEST(HelpBook, EveryLocalLinkReachesAPageOfTheBookAndAnIdOnIt) {
    const QString root = QDir::cleanPath(kBook) + u'/';
    for (const auto& [name, page] : book()) {
        for (const QString& href : page.hrefs) {
            const auto target = localTarget(name, href);
            if (!target)
                continue;
            const std::string where = name.toStdString() + ": " + href.toStdString();
            const QString path = QDir::cleanPath(root + target->page);
            ASSERT_TRUE(path.startsWith(root)) << where << " leaves the book";
            ASSERT_TRUE(QFileInfo(path).isFile()) << where << " names no file";
            if (target->fragment.isEmpty())
                continue;
            const auto linked = book().find(target->page);
            ASSERT_NE(linked, book().end()) << where << " has a fragment but is no page";
            EXPECT_TRUE(linked->second.ids.count(target->fragment)) << where << " names no id";
        }
    }
}

TEST(HelpBook, EveryPageIsReachableFromTheStartPage) {
    std::set<QString> reached{kStartPage};
    std::deque<QString> toVisit{kStartPage};
    while (!toVisit.empty()) {
        const auto page = book().find(toVisit.front());
        toVisit.pop_front();
        if (page == book().end())
            continue;
        for (const QString& href : page->second.hrefs)
            if (const auto target = localTarget(page->first, href))
                if (target->page.endsWith(u".html") && reached.insert(target->page).second)
                    toVisit.push_back(target->page);
    }
    for (const auto& [name, page] : book())
        EXPECT_TRUE(reached.count(name)) << name.toStdString() << " is linked from no page";
}

TEST(HelpBook, EveryHelpButtonOfTheSettingsWindowOpensASectionOfTheStartPage) {
    QString error;
    const std::vector<HelpButton> buttons = helpButtons(&error);
    ASSERT_EQ(error.toStdString(), "");
    // Without buttons there would be nothing to check, and the test would pass for nothing.
    ASSERT_FALSE(buttons.empty()) << "no …HelpButton tool button in the interface file";
    const auto start = book().find(kStartPage);
    ASSERT_NE(start, book().end());
    for (const HelpButton& button : buttons) {
        EXPECT_FALSE(button.anchor.isEmpty()) << button.objectName.toStdString() << " has no title";
        EXPECT_TRUE(start->second.ids.count(button.anchor))
            << button.objectName.toStdString() << " opens \"" << button.anchor.toStdString()
            << "\", which the start page lacks";
    }
}

} // namespace
