#pragma once

#include "shared/PlistValue.h"

#include <QString>

#include <optional>

// The user's persistent preferences domains of other programs ("loginwindow").
class PreferencesDomains {
public:
    virtual ~PreferencesDomains() = default;
    // nullopt when the user has no such domain.
    virtual std::optional<PlistValue::Dictionary> persistentDomainForName(const QString& name) = 0;
    virtual void setPersistentDomainForName(const PlistValue::Dictionary& domain,
                                            const QString& name) = 0;
};
