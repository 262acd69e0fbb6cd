#include "shared/ApplicationBundle.h"

#include "shared/DesktopEntry.h"
#include "shared/PropertyListFile.h"

#include <QFileInfo>

namespace {

// The top-level string entries of a property list file, binary or XML.
QMap<QString, QString> readInfoPlist(const QString& path) {
    QMap<QString, QString> info;
    for (const auto& [key, value] : PropertyListFile::readDictionaryEntries(path))
        if (value.isString())
            info.insert(key, value.toString());
    return info;
}

// The program of an Exec line: its first argument, unquoted, without its folder.
QString execProgram(const QString& exec) {
    QString program;
    qsizetype i = 0;
    while (i < exec.size() && exec[i].isSpace())
        ++i;
    if (i < exec.size() && exec[i] == u'"') {
        for (++i; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size())
                ++i;
            program.append(exec[i]);
        }
    } else {
        while (i < exec.size() && !exec[i].isSpace())
            program.append(exec[i++]);
    }
    return program.mid(program.lastIndexOf(u'/') + 1);
}

// Name and Exec of the [Desktop Entry] group, untranslated.
QMap<QString, QString> readDesktopEntry(const QString& path) {
    QMap<QString, QString> info;
    const std::optional<DesktopEntry::Group> group = DesktopEntry::readGroup(path);
    if (!group)
        return info;
    if (const auto name = group->constFind(QStringLiteral("Name")); name != group->constEnd())
        info.insert(QStringLiteral("CFBundleName"), DesktopEntry::unescape(*name));
    if (const auto exec = group->constFind(QStringLiteral("Exec")); exec != group->constEnd()) {
        const QString program = execProgram(DesktopEntry::unescape(*exec));
        if (!program.isEmpty())
            info.insert(QStringLiteral("CFBundleExecutable"), program);
    }
    return info;
}

} // namespace

std::optional<ApplicationBundle> ApplicationBundle::bundleWithPath(const QString& path) {
    const QFileInfo file(path);
    ApplicationBundle bundle;
    if (file.isDir())
        bundle.info_ = readInfoPlist(path + QStringLiteral("/Contents/Info.plist"));
    else if (file.isFile() && path.endsWith(QStringLiteral(".desktop")))
        bundle.info_ = readDesktopEntry(path);
    else
        return std::nullopt;
    return bundle;
}

std::optional<QString> ApplicationBundle::objectForInfoDictionaryKey(QStringView key) const {
    const auto found = info_.constFind(key.toString());
    if (found == info_.constEnd())
        return std::nullopt;
    return *found;
}

QString ApplicationBundle::nameFromPath(const QString& path) {
    QStringView name(path);
    while (name.size() > 1 && name.endsWith(u'/'))
        name.chop(1);
    name = name.mid(name.lastIndexOf(u'/') + 1);
    // A leading dot starts a hidden name, not an extension.
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    return name.toString();
}
