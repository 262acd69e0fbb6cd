#pragma once

#include "platform/PreferencesDomains.h"
#include "shared/PropertyListFile.h"

#include <QMap>

// Domains as property-list files, ~/Library/Preferences/<name>.plist. A domain is written back
// atomically in the form, binary or XML, it was read in.
class PropertyListDomains final : public PreferencesDomains {
public:
    std::optional<PlistValue::Dictionary> persistentDomainForName(const QString& name) override;
    void setPersistentDomainForName(const PlistValue::Dictionary& domain,
                                    const QString& name) override;

    static QString pathForName(const QString& name);

private:
    QMap<QString, PropertyListFile::Format> formats_;
};
