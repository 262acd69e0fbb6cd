#include "shared/DesktopEntry.h"

#include <QFile>

namespace DesktopEntry {
namespace {
constexpr qint64 kMaxDesktopEntrySize = 1 << 20;
} // namespace

std::optional<Group> readGroup(const QString& path) {
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
        default: // left for the Exec quoting rules
            result.append(u'\\');
            result.append(value[i]);
        }
    }
    return result;
}

} // namespace DesktopEntry
