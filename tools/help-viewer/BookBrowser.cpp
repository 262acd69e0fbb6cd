#include "tools/help-viewer/BookBrowser.h"

#include "tools/help-viewer/HelpRequest.h"

#include <QDesktopServices>
#include <QFileInfo>

BookBrowser::BookBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &BookBrowser::follow);
}

bool BookBrowser::showPage(const QString& page, const std::optional<QString>& anchor) {
    const std::optional<QString> path = resolveInBook(bookFolder_, bookFolder_, page);
    if (!path) {
        showMessage(QStringLiteral("Page not found"),
                    bookFolder_.isEmpty()
                        ? QStringLiteral("No help book was named. Open the help from Keyvigil's "
                                         "settings window with one of its \"?\" buttons.")
                        : QStringLiteral("The page \"%1\" is not part of the help book in %2.")
                              .arg(page, bookFolder_));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(*path);
    if (anchor && !anchor->isEmpty())
        url.setFragment(*anchor);
    setSource(url);
    return true;
}

QVariant BookBrowser::loadResource(int type, const QUrl& name) {
    const QString base = QFileInfo(source().toLocalFile()).path();
    const QString target = name.isLocalFile() ? name.toLocalFile() : name.path();
    if (!name.isLocalFile() && !name.scheme().isEmpty())
        return {};
    if (!resolveInBook(bookFolder_, base, target))
        return {};
    return QTextBrowser::loadResource(type, name);
}

void BookBrowser::follow(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto") {
        QDesktopServices::openUrl(link);
        return;
    }
    if (!scheme.isEmpty() && scheme != u"file")
        return;
    const QString current = source().toLocalFile();
    if (link.path().isEmpty()) { // "#anchor" on this page
        scrollToAnchor(link.fragment());
        return;
    }
    const QString base = QFileInfo(current).path();
    const std::optional<QString> path =
        resolveInBook(bookFolder_, base, link.isLocalFile() ? link.toLocalFile() : link.path());
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
