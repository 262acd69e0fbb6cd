#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A help book in several languages. The book's folder holds its pages in English; a folder per
// language inside it ("de", "pt_BR") holds the pages translated so far, which name pages,
// pictures and style sheets as the English pages do. Each file is looked up in the user's
// languages first and in the book's own folder last, so a page not yet translated shows in
// English and the translated pages share the English ones' style sheet.
class LocalisedBook {
public:
    LocalisedBook() = default;
    LocalisedBook(const QString& folder, const QStringList& languages);

    const QString& folder() const { return folder_; }
    // The file that shows `target`, named from the file `fromFile` of this book (a page in any of
    // its languages) or from the book's folder; nullopt for anything outside the book or missing
    // in every language.
    std::optional<QString> resolve(const QString& fromFile, const QString& target) const;
    // The file that shows `page`, named from the book's folder.
    std::optional<QString> page(const QString& page) const;

private:
    // `path` with the language folder taken out, as the English pages name it.
    QString inEnglish(const QString& path) const;

    QString folder_;
    QString canonicalFolder_;
    QStringList languages_;
};
