#pragma once

#include "pane/PanePlatform.h"
#include "shared/RVPrefs.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

// What the pane's parts share: the platform, the pane's bundle, and for each visit (from showing
// to leaving) the settings store made at its start and what has been said during it.
class PaneContext {
    Q_DECLARE_TR_FUNCTIONS(PaneContext)

public:
    explicit PaneContext(PanePlatform& platform) : platform(platform) {}

    PanePlatform& platform;

    const QString& bundlePath() const { return bundlePath_; }
    void setBundlePath(const QString& path) { bundlePath_ = path; }

    // A visit begins: the store is read anew, and nothing has been said yet.
    void beginVisit();
    bool visiting() const { return gPrefs != nullptr; }
    RVPrefs& prefs() { return *gPrefs; }
    const RVPrefs* prefsIfRead() const { return gPrefs.get(); }

    // Writes the store's file; a failure is said, with what it means at that moment.
    enum class Moment { Visiting, Leaving };
    bool save(Moment moment);

    // Says what failed: once per visit, on stderr (for the journal) and in an alert.
    void alert(const QString& title, const QString& message);

private:
    QString bundlePath_;
    std::unique_ptr<RVPrefs> gPrefs;
    QStringList said_;
};
