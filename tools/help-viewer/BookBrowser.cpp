#include "tools/help-viewer/BookBrowser.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

BookBrowser::BookBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &BookBrowser::follow);
}

void BookBrowser::setBookFolder(const QString& folder, const QStringList& languages) {
    book_ = LocalisedBook(folder, languages);
}

QString BookBrowser::bookTitle() const {
    if (const std::optional<QString> start = book_.page(QStringLiteral("index.html"))) {
        QFile file(*start);
        QTextDocument page;
        if (file.open(QIODevice::ReadOnly))
            page.setHtml(QString::fromUtf8(file.readAll()));
        if (QString title = page.metaInformation(QTextDocument::DocumentTitle); !title.isEmpty())
            return title;
    }
    return QFileInfo(book_.folder()).fileName();
}

bool BookBrowser::showPage(const QString& page, const std::optional<QString>& anchor) {
    const std::optional<QString> path = book_.page(page);
    if (!path) {
        showMessage(tr("Page not found"),
                    book_.folder().isEmpty()
                        ? tr("No help book was named. Open the help from Keyvigil's settings "
                             "window with one of its \"?\" buttons.")
                        : tr("The page \"%1\" is not part of the help book in %2.")
                              .arg(page, book_.folder()));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(*path);
    if (anchor && !anchor->isEmpty())
        url.setFragment(*anchor);
    setSource(url);
    return true;
}

QVariant BookBrowser::loadResource(int type, const QUrl& name) {
    const QString target = name.isLocalFile() ? name.toLocalFile() : name.path();
    if (!name.isLocalFile() && !name.scheme().isEmpty())
        return {};
    const std::optional<QString> path = book_.resolve(source().toLocalFile(), target);
    if (!path)
        return {};
    return QTextBrowser::loadResource(type, QUrl::fromLocalFile(*path));
}

void BookBrowser::follow(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto") {
        QDesktopServices::openUrl(link);
        return;
    }
    if (!scheme.isEmpty() && scheme != u"file")
        return;
    if (link.path().isEmpty()) { // "#anchor" on this page
        scrollToAnchor(link.fragment());
        return;
    }
    const std::optional<QString> path = book_.resolve(
        source().toLocalFile(), link.isLocalFile() ? link.toLocalFile() : link.path());
    if (!path)
        return;
    QUrl url = QUrl::fromLocalFile(*path);
    url.setFragment(link.fragment());
    setSource(url);
}

void BookBrowser::showMessage(const QString& title, const QString& text) {
    clear();
    setHtml(QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p>"
                           "</body></html>")
                .arg(title.toHtmlEscaped(), text.toHtmlEscaped()));
}
