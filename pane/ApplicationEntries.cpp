#include "pane/ApplicationEntries.h"

#include "shared/ApplicationBundle.h"
#include "shared/DesktopEntry.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <optional>

namespace ApplicationEntries {
namespace {

using DesktopEntry::Group;
using DesktopEntry::unescape;

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
        const std::optional<Group> group = DesktopEntry::readGroup(path);
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
        if (const std::optional<Group> group = DesktopEntry::readGroup(path))
            return nameOf(*group, path, locale);
    }
    return ApplicationBundle::nameFromPath(path);
}

QString iconName(const QString& path) {
    if (path.endsWith(QStringLiteral(".desktop"))) {
        if (const std::optional<Group> group = DesktopEntry::readGroup(path))
            return unescape(group->value(QStringLiteral("Icon")));
    }
    return {};
}

} // namespace ApplicationEntries
