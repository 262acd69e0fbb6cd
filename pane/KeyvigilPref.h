#pragma once

#include "pane/Controls.h"
#include "pane/ExclusionLists.h"
#include "pane/HelperControl.h"
#include "pane/KeyboardAccessControl.h"
#include "pane/PaneContext.h"
#include "pane/SettingsForm.h"
#include "pane/SupportMailControl.h"

#include <QCoreApplication>
#include <QString>

// The Keyvigil pane: what its host and its window call. The host loads it, shows it and leaves
// it; the window reports each change the user makes to a control of the control table. The
// tables call the exclusion lists directly. Each piece of state has one owner: the controls show
// the visit's choices (whether Keyvigil is on is the enable switch), the store holds the
// settings, and the parts below keep what only they use.
class KeyvigilPref {
    Q_DECLARE_TR_FUNCTIONS(KeyvigilPref)

public:
    explicit KeyvigilPref(PanePlatform& platform);
    KeyvigilPref(const KeyvigilPref&) = delete;
    KeyvigilPref& operator=(const KeyvigilPref&) = delete;

    // The pane's version, which its bundle's "CFBundleVersion" must equal.
    static const QString ourVersion;

    // False when it has asked the host to terminate.
    bool initWithBundle(const QString& bundlePath);
    void willSelect();
    void willUnselect();

    // The user changed or pressed `control`; `dragging` while the slider is still held.
    void userChanged(Outlet control, bool dragging = false);

    // This visit's store; null before the first showing.
    const RVPrefs* prefs() const { return pane_.prefsIfRead(); }

    // As in a process that has not loaded the pane yet; for tests, which make many.
    static void unloadClass() { classVersion = 0; }

private:
    void alertUpgrade(const std::optional<QString>& bundleVersion);
    void showHelp(Outlet button);
    bool enabled() const;

    // The per-class version number: 0 until the class has loaded once in this process.
    static int classVersion;

    PaneContext pane_;
    SettingsForm form_{pane_};
    ExclusionLists lists_{pane_};
    HelperControl helper_{pane_};
    KeyboardAccessControl keyboardAccess_{pane_};
    SupportMailControl supportMail_{pane_};
};
