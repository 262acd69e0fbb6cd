#pragma once

#include "tools/help-viewer/LocalisedBook.h"

#include <QTextBrowser>

// A page view that shows only the files of one book, each in the user's language where the book
// has it: links between its pages are followed, links to the web or to mail open in the user's
// programs, and anything else is refused, as are pictures and style sheets from outside the book.
class BookBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit BookBrowser(QWidget* parent = nullptr);

    // The book, and the user's languages in which its pages are looked for first.
    void setBookFolder(const QString& folder, const QStringList& languages);
    const QString& bookFolder() const { return book_.folder(); }
    // The title of the book's start page in the user's language, else the book folder's name.
    QString bookTitle() const;
    // Shows a page of the book (a path relative to it) at an anchor; false when the page is
    // missing or outside the book, and a short message is shown instead.
    bool showPage(const QString& page, const std::optional<QString>& anchor);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);
    void showMessage(const QString& title, const QString& text);

    LocalisedBook book_;
};
