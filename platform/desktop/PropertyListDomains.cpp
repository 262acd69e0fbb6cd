#include "platform/desktop/PropertyListDomains.h"

#include <QDir>

QString PropertyListDomains::pathForName(const QString& name) {
    return QDir::homePath() + QStringLiteral("/Library/Preferences/") + name +
           QStringLiteral(".plist");
}

std::optional<PlistValue::Dictionary>
PropertyListDomains::persistentDomainForName(const QString& name) {
    auto domain = PropertyListFile::readDictionary(pathForName(name));
    if (!domain)
        return std::nullopt;
    formats_[name] = domain->format;
    return std::move(domain->entries);
}

void PropertyListDomains::setPersistentDomainForName(const PlistValue::Dictionary& domain,
                                                     const QString& name) {
    const QString path = pathForName(name);
    QDir().mkpath(QFileInfo(path).path());
    PropertyListFile::writeDictionary(path, domain,
                                      formats_.value(name, PropertyListFile::Format::Binary), 0600);
}
