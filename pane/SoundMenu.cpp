#include "pane/SoundMenu.h"

#include "shared/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>

namespace SoundMenu {
namespace {

// Words in the names of sounds made to get attention, as the desktop themes name them
// ("dialog-warning", "window-attention", "alarm-clock-elapsed", "suspend-error", "bell").
constexpr std::array<QLatin1StringView, 12> kAlertWords{
    QLatin1StringView("alarm"),    QLatin1StringView("alert"),  QLatin1StringView("attention"),
    QLatin1StringView("beep"),     QLatin1StringView("bell"),   QLatin1StringView("caution"),
    QLatin1StringView("critical"), QLatin1StringView("error"),  QLatin1StringView("information"),
    QLatin1StringView("question"), QLatin1StringView("urgent"), QLatin1StringView("warning"),
};

const QRegularExpression& wordSeparators() {
    static const QRegularExpression separators(QStringLiteral("[-_\\s.]+"));
    return separators;
}

} // namespace

QStringList titlesInFolder(const QString& path) {
    const QStringList names = QDir(path).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    QStringList titles;
    for (const QString& name : names) {
        if (name.startsWith(u'.'))
            continue;
        const qsizetype dot = name.lastIndexOf(u'.');
        titles.append(dot > 0 ? name.left(dot) : name);
    }
    return titles;
}

QString readableName(const QString& title) {
    QString name = title.split(wordSeparators(), Qt::SkipEmptyParts).join(u' ');
    if (name.isEmpty())
        return title;
    name[0] = name[0].toUpper();
    return name;
}

bool isAlertLike(const QString& title) {
    const QStringList words = title.toLower().split(wordSeparators(), Qt::SkipEmptyParts);
    return std::any_of(words.begin(), words.end(), [](const QString& word) {
        return std::find(kAlertWords.begin(), kAlertWords.end(), word) != kAlertWords.end();
    });
}

QList<PopupItem> items(const QList<Folder>& folders) {
    QList<PopupItem> menu{
        {QString(SettingsKeys::systemAlertSound),
         QCoreApplication::translate("SoundMenu", "System Alert Sound"),
         {}},
        {QString(ownSound), QCoreApplication::translate("SoundMenu", "Keyvigil’s own sound"), {}},
    };
    QSet<QString> taken;
    for (const PopupItem& item : menu)
        taken.insert(item.title);
    // Where each title is listed: the last folder that has it.
    QHash<QString, qsizetype> lastFolder;
    for (qsizetype f = 0; f < folders.size(); ++f) {
        for (const QString& title : folders[f].titles)
            lastFolder.insert(title, f);
    }
    for (qsizetype f = 0; f < folders.size(); ++f) {
        QList<PopupItem> group;
        for (const QString& title : folders[f].titles) {
            if (lastFolder.value(title) != f || taken.contains(title))
                continue;
            taken.insert(title);
            group.append({title, readableName(title), folders[f].heading});
        }
        std::stable_sort(group.begin(), group.end(), [](const PopupItem& a, const PopupItem& b) {
            const bool alertA = isAlertLike(a.title);
            const bool alertB = isAlertLike(b.title);
            if (alertA != alertB)
                return alertA;
            const int byName = a.label.toLower().localeAwareCompare(b.label.toLower());
            return byName != 0 ? byName < 0 : a.title < b.title;
        });
        menu.append(group);
    }
    return menu;
}

} // namespace SoundMenu
