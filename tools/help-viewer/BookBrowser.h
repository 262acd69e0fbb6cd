#pragma once

#include <QTextBrowser>

// A page view that shows only the files of one book: links between its pages are followed,
// links to the web or to mail open in the user's programs, and anything else is refused, as
// are pictures and style sheets from outside the book.
class BookBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit BookBrowser(QWidget* parent = nullptr);

    void setBookFolder(const QString& folder) { bookFolder_ = folder; }
    const QString& bookFolder() const { return bookFolder_; }
    // Shows a page of the book (a path relative to it) at an anchor; false when the page is
    // missing or outside the book, and a short message is shown instead.
    bool showPage(const QString& page, const std::optional<QString>& anchor);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);
    void showMessage(const QString& title, const QString& text);

    QString bookFolder_;
};
