#pragma once

#include "pane/KeyvigilPref.h"
#include "pane/plugin/KeyvigilPrefView.h"
#include "pane/plugin/PanePlugin.h"
#include "pane/plugin/QtPaneForm.h"
#include "pane/plugin/QtTableViewArray.h"
#include "platform/linux/AgentToolControl.h"
#include "platform/linux/DesktopWorkspace.h"
#include "platform/linux/PidfdAppleEventSender.h"
#include "platform/linux/ProcProcessManager.h"
#include "platform/linux/PropertyListDomains.h"
#include "platform/linux/SdlSoundService.h"

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
