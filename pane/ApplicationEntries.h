#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An installed application, from its desktop entry.
struct ApplicationEntry {
    QString name;     // the Name in the messages locale
    QString iconName; // the Icon value: a theme icon's name or an absolute file path
    QString path;     // the desktop entry's full path
};

namespace ApplicationEntries {

// The locale desktop entries are translated by: the first of LC_ALL, LC_MESSAGES and LANG that
// is set, in the form lang_COUNTRY.ENCODING@MODIFIER.
QString messagesLocale();

// The applications of the folders' desktop entries (subfolders included), sorted by name without
// regard to case. An entry in a later folder replaces the one with the same desktop file ID (its
// path under the folder, "/" read as "-") in an earlier folder, before either is looked at, so a
// user's hidden entry hides the system's. Entries that are not of Type Application, or are
// NoDisplay or Hidden, are left out.
QList<ApplicationEntry> installedApplications(const QStringList& folders,
                                              const QString& locale = messagesLocale());

// The name a chosen application is shown by: a desktop entry's Name in the locale, and for a
// bundle (or an entry without a name) the path's last component without its extension.
QString displayName(const QString& path, const QString& locale = messagesLocale());

// The icon a chosen application is shown with: a desktop entry's Icon (a theme icon's name or a
// file path); empty for a bundle, which gets the generic application icon.
QString iconName(const QString& path);

} // namespace ApplicationEntries
