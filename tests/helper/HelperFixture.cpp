#include "tests/helper/HelperFixture.h"

#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"

#include <QDir>

#include <stdexcept>

HelperFixture::HelperFixture() : savedHome_(qgetenv("HOME")) {
    if (!home_.isValid())
        throw std::runtime_error("no temporary home folder");
    qputenv("HOME", QFile::encodeName(home_.path()));
    QDir(home_.path()).mkpath(QStringLiteral("Library/Preferences"));
}

HelperFixture::~HelperFixture() {
    qputenv("HOME", savedHome_);
}

void HelperFixture::store(const QString& key, const std::optional<PlistValue>& value) {
    RVPrefs prefs(kApplicationIdentifier);
    prefs.setObjectForKey(value, key);
    if (!prefs.synchronize())
        throw std::runtime_error("the store file could not be written");
}

void HelperFixture::start() {
    helper.helperMain();
}

void HelperFixture::deleteStore() {
    QFile::remove(RVPrefs::pathForIdentifier(kApplicationIdentifier));
}
