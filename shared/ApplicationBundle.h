#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

#include <optional>

// An application as chosen for exclusion: a bundle directory, read through its
// Contents/Info.plist, or a freedesktop desktop entry, whose Name and Exec stand in for
// CFBundleName and CFBundleExecutable.
class ApplicationBundle {
public:
    // nullopt when the path is neither a directory nor a desktop entry file. A directory
    // without a readable information property list is a bundle with no information.
    static std::optional<ApplicationBundle> bundleWithPath(const QString& path);

    // The string under key in the information dictionary; nullopt when absent or no string.
    std::optional<QString> objectForInfoDictionaryKey(QStringView key) const;
    const QMap<QString, QString>& infoDictionary() const { return info_; }

    // The path's last component without its extension: /Applications/Foo.app gives Foo.
    static QString nameFromPath(const QString& path);

private:
    QMap<QString, QString> info_;
};
