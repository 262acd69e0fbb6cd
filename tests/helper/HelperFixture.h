#pragma once

#include "helper/KeyvigilHelper.h"
#include "shared/AppKitVersion.h"
#include "shared/PlistValue.h"
#include "tests/fakes/FakeHelperPlatform.h"

#include <QTemporaryDir>

#include <optional>

// A helper running on fakes, with the store file in a private home folder.
class HelperFixture {
public:
    HelperFixture();
    ~HelperFixture();

    // Writes one key to the store file, as the preferences pane would.
    void store(const QString& key, const std::optional<PlistValue>& value);
    void deleteStore();
    // Starts the helper as its main does; the fake event loop returns at once.
    void start();
    QString homePath() const { return home_.path(); }

    FakeHelperPlatform fakes;
    HelperPlatform platform{fakes.eventMonitor,   fakes.appleEvents, fakes.displays,
                            fakes.eventLoop,      fakes.processInfo, fakes.sounds,
                            fakes.menuBarFlasher, fakes.notifier,    fakes.indicators,
                            AppKitVersion::v10_9};
    std::unique_ptr<RVPrefs> gPrefs;
    KeyvigilHelper helper{platform, gPrefs};

private:
    QTemporaryDir home_;
    QByteArray savedHome_;
};
