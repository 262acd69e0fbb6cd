#pragma once

#include "pane/PaneContext.h"
#include "platform/ProcessManager.h"

#include <QCoreApplication>

#include <optional>

// Everything the pane does to the helper: finding it, pausing it while the window is open,
// installing and starting it when the window closes with the switch on, switching it off, and
// removing the login items earlier releases left. Its state lasts one visit.
class HelperControl {
    Q_DECLARE_TR_FUNCTIONS(HelperControl)

public:
    explicit HelperControl(PaneContext& pane) : pane_(pane) {}

    // Showing: this visit's login items and agent file, then the running helper, if any.
    void readLoginItems();
    void findHelper();
    // Leaving: the login items read during this visit are not written back by another.
    void forgetLoginItems() { loginWindow.reset(); }

    // Quits the helper and stops its agent, keeping what starts it at login; once per visit.
    void killHelper();
    // Installs and starts the helper with this visit's settings, which it saves first.
    void enable();
    // Unloads the agent and removes its file, which stays when the unload fails.
    void removeAgent();

private:
    // The agent file's contents for the pane bundle at `bundlePath`.
    static PlistValue::Dictionary agentDictionary(const QString& bundlePath);
    int findLoginItem(const QString& name) const;
    void removeLoginItem(const QString& name);
    void writeLoginItems();
    void quitHelperIfRunning();

    PaneContext& pane_;
    // This visit's copy of the login window's domain; nullopt when it has none, or before the
    // first showing and after each leaving, so that no visit writes back what another read.
    std::optional<PlistValue::Dictionary> loginWindow;
    PlistValue::Array autoStartItems;
    OSErr helperStatus = procNotFound;
    ProcessSerialNumber helperProcessPSN;
    QString launchdPlistPath;
    // The helper has been stopped for this visit.
    bool helperPaused = false;
};
