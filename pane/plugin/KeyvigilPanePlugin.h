#pragma once

#include "pane/KeyvigilPref.h"
#include "pane/plugin/KeyvigilPrefView.h"
#include "pane/plugin/PanePlugin.h"
#include "pane/plugin/QtPaneForm.h"
#include "pane/plugin/QtTableViewArray.h"
#include "platform/desktop/AgentTool.h"
#include "platform/desktop/DesktopWorkspace.h"
#include "platform/desktop/LinuxKeyboardAccess.h"
#include "platform/desktop/PidfdAppleEventSender.h"
#include "platform/desktop/ProcProcessManager.h"
#include "platform/desktop/PropertyListDomains.h"
#include "platform/desktop/SdlSoundService.h"

#include <QObject>

#include <memory>
#include <optional>

// The pane bundle's plug-in: picks the Linux implementations of the pane's services, makes
// its view and forwards the user's actions to the pane's logic.
class KeyvigilPanePlugin : public QObject, public PanePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PanePlugin_iid)
    Q_INTERFACES(PanePlugin)

public:
    KeyvigilPanePlugin();
    ~KeyvigilPanePlugin() override;

    bool initWithBundle(const QString& bundlePath, PaneHost& host) override;
    QWidget* mainView() override;
    void willSelect() override;
    void willUnselect() override;

private:
    void connectActions();

    // Made by initWithBundle, in this order, and gone in the reverse one.
    struct Pane;
    std::unique_ptr<Pane> pane_;
};
