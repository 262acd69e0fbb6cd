#include "tools/help-viewer/LocalisedBook.h"

#include "tools/help-viewer/HelpRequest.h"

#include <QDir>
#include <QFileInfo>

LocalisedBook::LocalisedBook(const QString& folder, const QStringList& languages)
    : folder_(folder), canonicalFolder_(QFileInfo(folder).canonicalFilePath()),
      languages_(languages) {}

QString LocalisedBook::inEnglish(const QString& path) const {
    for (const QString& language : languages_) {
        const QString translated = canonicalFolder_ + u'/' + language;
        if (path == translated || path.startsWith(translated + u'/'))
            return canonicalFolder_ + path.mid(translated.size());
    }
    return path;
}

std::optional<QString> LocalisedBook::resolve(const QString& fromFile,
                                              const QString& target) const {
    if (canonicalFolder_.isEmpty() || target.isEmpty())
        return std::nullopt;
    const QString from =
        fromFile.isEmpty() ? canonicalFolder_ : QFileInfo(inEnglish(fromFile)).path();
    const QString english = inEnglish(QDir::cleanPath(QDir(from).absoluteFilePath(target)));
    if (!english.startsWith(canonicalFolder_ + u'/'))
        return std::nullopt;
    const QString relative = english.mid(canonicalFolder_.size() + 1);
    for (const QString& language : languages_)
        if (auto translated = resolveInBook(folder_, folder_, language + u'/' + relative))
            return translated;
    return resolveInBook(folder_, folder_, relative);
}

std::optional<QString> LocalisedBook::page(const QString& page) const {
    return resolve(QString(), page);
}
