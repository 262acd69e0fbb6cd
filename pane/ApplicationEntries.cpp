#include "pane/ApplicationEntries.h"

#include "shared/ApplicationBundle.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <optional>

namespace ApplicationEntries {
namespace {

constexpr qint64 kMaxDesktopEntrySize = 1 << 20;

// The keys of a [Desktop Entry] group, values still escaped. The first of a repeated key counts.
using Group = QHash<QString, QString>;

std::optional<Group> readDesktopEntryGroup(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxDesktopEntrySize)
        return std::nullopt;
    const QString text = QString::fromUtf8(file.readAll());
    Group group;
    bool found = false;
    bool inGroup = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (inGroup)
                break; // the other groups are actions and extensions
            inGroup = line == u"[Desktop Entry]";
            found = found || inGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString();
        if (!group.contains(key))
            group.insert(key, line.mid(equals + 1).trimmed().toString());
    }
    if (!found)
        return std::nullopt;
    return group;
}

QString unescape(QStringView value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result.append(value[i]);
            continue;
        }
        switch (value[++i].unicode()) {
        case u's':
            result.append(u' ');
            break;
        case u'n':
            result.append(u'\n');
            break;
        case u't':
            result.append(u'\t');
            break;
        case u'r':
            result.append(u'\r');
            break;
        case u'\\':
            result.append(u'\\');
            break;
        default: // not an escape: kept as written
            result.append(u'\\');
            result.append(value[i]);
        }
    }
    return result;
}

// The locale suffixes to try, best first: lang_COUNTRY@MODIFIER, lang_COUNTRY, lang@MODIFIER,
// lang.
QStringList localeSuffixes(const QString& locale) {
    QString lang = locale;
    QString modifier;
    if (const qsizetype at = lang.indexOf(u'@'); at >= 0) {
        modifier = lang.mid(at + 1);
        lang.truncate(at);
    }
    if (const qsizetype dot = lang.indexOf(u'.'); dot >= 0)
        lang.truncate(dot);
    QString country;
    if (const qsizetype underscore = lang.indexOf(u'_'); underscore >= 0) {
        country = lang.mid(underscore + 1);
        lang.truncate(underscore);
    }
    if (lang.isEmpty())
        return {};
    QStringList suffixes;
    if (!country.isEmpty() && !modifier.isEmpty())
        suffixes << lang + u'_' + country + u'@' + modifier;
    if (!country.isEmpty())
        suffixes << lang + u'_' + country;
    if (!modifier.isEmpty())
        suffixes << lang + u'@' + modifier;
    suffixes << lang;
    return suffixes;
}

QString localisedValue(const Group& group, const QString& key, const QString& locale) {
    for (const QString& suffix : localeSuffixes(locale)) {
        const auto found = group.constFind(key + u'[' + suffix + u']');
        if (found != group.constEnd())
            return unescape(*found);
    }
    return unescape(group.value(key));
}

bool isTrue(const Group& group, const QString& key) {
    return group.value(key) == u"true";
}

QString nameOf(const Group& group, const QString& path, const QString& locale) {
    const QString name = localisedValue(group, QStringLiteral("Name"), locale);
    return name.isEmpty() ? ApplicationBundle::nameFromPath(path) : name;
}

} // namespace

QString messagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

QList<ApplicationEntry> installedApplications(const QStringList& folders, const QString& locale) {
    QMap<QString, QString> pathsById;
    for (const QString& folder : folders) {
        const QDir root(folder);
        QDirIterator files(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            pathsById.insert(root.relativeFilePath(path).replace(u'/', u'-'), path);
        }
    }
    QList<ApplicationEntry> entries;
    for (const QString& path : std::as_const(pathsById)) {
        const std::optional<Group> group = readDesktopEntryGroup(path);
        if (!group || group->value(QStringLiteral("Type")) != u"Application" ||
            isTrue(*group, QStringLiteral("NoDisplay")) || isTrue(*group, QStringLiteral("Hidden")))
            continue;
        entries.append(
            {nameOf(*group, path, locale), unescape(group->value(QStringLiteral("Icon"))), path});
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.path < b.path;
    });
    return entries;
}

QString displayName(const QString& path, const QString& locale) {
    if (path.endsWith(QStringLiteral(".desktop"))) {
        if (const std::optional<Group> group = readDesktopEntryGroup(path))
            return nameOf(*group, path, locale);
    }
    return ApplicationBundle::nameFromPath(path);
}

QString iconName(const QString& path) {
    if (path.endsWith(QStringLiteral(".desktop"))) {
        if (const std::optional<Group> group = readDesktopEntryGroup(path))
            return unescape(group->value(QStringLiteral("Icon")));
    }
    return {};
}

} // namespace ApplicationEntries
