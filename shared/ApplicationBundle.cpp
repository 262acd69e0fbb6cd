#include "shared/ApplicationBundle.h"

#include "shared/PropertyListFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kMaxDesktopEntrySize = 1 << 20;

// The top-level string entries of a property list file, binary or XML.
QMap<QString, QString> readInfoPlist(const QString& path) {
    QMap<QString, QString> info;
    for (const auto& [key, value] : PropertyListFile::readDictionaryEntries(path))
        if (value.isString())
            info.insert(key, value.toString());
    return info;
}

// The value of a desktop entry key with the entry format's escapes resolved.
QString unescapeDesktopValue(QStringView value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            result.append(c);
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
        default: // left for the Exec quoting rules
            result.append(u'\\');
            result.append(value[i]);
        }
    }
    return result;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > kMaxDesktopEntrySize)
        return info;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeDesktopValue(QStringView(line).mid(equals + 1).trimmed());
        if (key == u"Name" && !info.contains(QStringLiteral("CFBundleName")))
            info.insert(QStringLiteral("CFBundleName"), value);
        else if (key == u"Exec" && !info.contains(QStringLiteral("CFBundleExecutable"))) {
            const QString program = execProgram(value);
            if (!program.isEmpty())
                info.insert(QStringLiteral("CFBundleExecutable"), program);
        }
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
