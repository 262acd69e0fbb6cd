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
    QString language;
    QString title;
    std::set<QString> ids;
    std::vector<QString> hrefs;
    bool linksStylesheet = false;
    QString fixedColour; // an attribute that would override the viewer's palette
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
        if (xml.name() == u"html")
            page.language = attributes.value("lang"_L1).toString();
        if (attributes.hasAttribute("id"_L1))
            page.ids.insert(attributes.value("id"_L1).toString());
        for (const auto& attribute : attributes)
            if (attribute.name() == u"bgcolor" || attribute.name() == u"color" ||
                (attribute.name() == u"style" && attribute.value().contains(u"color")))
                page.fixedColour = attribute.name().toString();
        const QString href = attributes.value("href"_L1).toString();
        if ((xml.name() == u"a" || xml.name() == u"link") && !href.isEmpty())
            page.hrefs.push_back(href);
        page.linksStylesheet |= xml.name() == u"link" &&
                                attributes.value("rel"_L1) == u"stylesheet" && href == kStylesheet;
        if (xml.name() == u"title")
            page.title = xml.readElementText().trimmed();
    }
    if (xml.hasError())
        page.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return page;
}

// Every page in a folder, by file name.
std::map<QString, Page> pagesIn(const QString& folder) {
    std::map<QString, Page> read;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files))
        read.emplace(name, readPage(folder + u'/' + name));
    return read;
}

// Every page of the built book, by file name, read once.
const std::map<QString, Page>& book() {
    static const std::map<QString, Page> pages = pagesIn(kBook);
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

void expectWellMade(const Page& page, const std::string& where) {
    EXPECT_EQ(page.error.toStdString(), "") << where;
    EXPECT_FALSE(page.title.isEmpty()) << where << " has no title";
    EXPECT_TRUE(page.linksStylesheet) << where;
    EXPECT_EQ(page.fixedColour.toStdString(), "") << where << " sets a colour";
}

TEST(HelpBook, EveryPageIsWellFormedTitledAndTakesItsLookFromTheStylesheet) {
    ASSERT_TRUE(book().count(kStartPage)) << "no start page in " << kBook.toStdString();
    for (const auto& [name, page] : book())
        expectWellMade(page, name.toStdString());
    QFile css(kBook + u'/' + kStylesheet);
    ASSERT_TRUE(css.open(QIODevice::ReadOnly)) << "no " << kStylesheet.toStdString();
    QString rules = QString::fromUtf8(css.readAll());
    rules.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                    QRegularExpression::DotMatchesEverythingOption));
    // A foreground or background colour would be unreadable in one of the light and dark themes;
    // a border's grey is not such a colour.
    const QRegularExpression colour(QStringLiteral("(^|[{;\\s])(color|background[a-z-]*)\\s*:"));
    EXPECT_FALSE(colour.match(rules).hasMatch()) << colour.match(rules).captured(0).toStdString();
}

TEST(HelpBook, EveryLocalLinkReachesAnIdOnAPageAndEveryPageIsReachedFromTheStart) {
    const QString root = QDir::cleanPath(kBook) + u'/';
    std::set<QString> reached{kStartPage};
    std::deque<QString> toVisit{kStartPage};
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
    for (; !toVisit.empty(); toVisit.pop_front())
        if (const auto page = book().find(toVisit.front()); page != book().end())
            for (const QString& href : page->second.hrefs)
                if (const auto target = localTarget(page->first, href))
                    if (target->page.endsWith(u".html") && reached.insert(target->page).second)
                        toVisit.push_back(target->page);
    for (const auto& [name, page] : book())
        EXPECT_TRUE(reached.count(name)) << name.toStdString() << " is linked from no page";
}

// A translated page stands in for the English page of its name, in its language's folder inside
// the book, and names pages and the style sheet as the English pages do. It keeps every section,
// so that the window's help buttons and the links of untranslated pages reach the same places.
TEST(HelpBook, EachTranslatedPageHasTheSectionsOfItsEnglishPageAndLinksAsItDoes) {
    const QStringList languages = QDir(kBook).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_FALSE(languages.isEmpty()) << "no translated pages in " << kBook.toStdString();
    for (const QString& language : languages) {
        for (const auto& [name, page] : pagesIn(kBook + u'/' + language)) {
            const std::string where = (language + u'/' + name).toStdString();
            const auto english = book().find(name);
            ASSERT_NE(english, book().end()) << where << " translates no English page";
            expectWellMade(page, where);
            EXPECT_EQ(page.language, language) << where;
            for (const QString& id : english->second.ids)
                EXPECT_TRUE(page.ids.count(id))
                    << where << " lacks the section " << id.toStdString();
            for (const QString& href : page.hrefs) {
                const auto target = localTarget(name, href);
                if (!target || target->page == kStylesheet)
                    continue;
                const auto linked = book().find(target->page);
                ASSERT_NE(linked, book().end()) << where << ": " << href.toStdString();
                EXPECT_TRUE(target->fragment.isEmpty() ||
                            linked->second.ids.count(target->fragment))
                    << where << ": " << href.toStdString() << " names no id";
            }
        }
    }
}

// The settings window's help buttons are tool buttons named "…HelpButton", titled with the
// anchor they open.
TEST(HelpBook, EveryHelpButtonOfTheSettingsWindowOpensASectionOfTheStartPage) {
    QFile file(QStringLiteral(KEYVIGIL_PANE_INTERFACE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QRegularExpression button(
        QStringLiteral("<widget class=\"QToolButton\" name=\"(\\w+HelpButton)\">"
                       "((?!<widget).)*?<property name=\"text\">\\s*<string[^>]*>([^<]*)</string>"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto start = book().find(kStartPage);
    ASSERT_NE(start, book().end());
    int buttons = 0;
    for (const auto& match : button.globalMatch(QString::fromUtf8(file.readAll()))) {
        ++buttons;
        EXPECT_TRUE(start->second.ids.count(match.captured(3)))
            << match.captured(1).toStdString() << " opens \"" << match.captured(3).toStdString()
            << "\", which the start page lacks";
    }
    // Without buttons there would be nothing to check, and the test would pass for nothing.
    EXPECT_GT(buttons, 0) << "no …HelpButton tool button in the interface file";
}

} // namespace
