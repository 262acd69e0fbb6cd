#pragma once

#include "helper/KeyvigilHelper.h"
#include "shared/AppKitVersion.h"
#include "shared/Identifiers.h"
#include "shared/PlistValue.h"
#include "shared/RVPrefs.h"
#include "tests/fakes/FakeHelperPlatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <optional>
#include <stdexcept>

// A helper running on fakes, with the store file in a private home folder.
class HelperFixture {
public:
    HelperFixture() : savedHome_(qgetenv("HOME")) {
        if (!home_.isValid())
            throw std::runtime_error("no temporary home folder");
        qputenv("HOME", QFile::encodeName(home_.path()));
        QDir(home_.path()).mkpath(QStringLiteral("Library/Preferences"));
    }
    ~HelperFixture() { qputenv("HOME", savedHome_); }

    // Writes one key to the store file, as the preferences pane would.
    void store(const QString& key, const std::optional<PlistValue>& value) {
        RVPrefs prefs(kApplicationIdentifier);
        prefs.setObjectForKey(value, key);
        if (!prefs.synchronize())
            throw std::runtime_error("the store file could not be written");
    }
    void deleteStore() { QFile::remove(RVPrefs::pathForIdentifier(kApplicationIdentifier)); }
    // Starts the helper as its main does; the fake event loop returns at once.
    int start() { return helper.helperMain(); }
    QString homePath() const { return home_.path(); }

    FakeHelperPlatform fakes;
    // Each interface in the order HelperPlatform lists them; sounds are a fake of their own.
    HelperPlatform platform{fakes,        fakes, fakes, fakes, fakes,
                            fakes.sounds, fakes, fakes, fakes, AppKitVersion::v10_9};
    std::unique_ptr<RVPrefs> gPrefs;
    KeyvigilHelper helper{platform, gPrefs};

private:
    QTemporaryDir home_;
    QByteArray savedHome_;
};
