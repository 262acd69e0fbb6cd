#include "pane/plugin/KeyvigilPanePlugin.h"

#include "platform/linux/AppKitVersionNumber.h"
#include "shared/ProgramLog.h"

#include "ui_KeyvigilPref.h"

struct KeyvigilPanePlugin::Pane {
    Pane(const QString& bundlePath, PaneHost& host)
        : agents(bundlePath + QStringLiteral("/Contents/Resources/keyvigil-agent")),
          platform{host,   form,    processes, appleEvents,
                   agents, domains, workspace, kLinuxAppKitVersionNumber} {}

    KeyvigilPrefView view;
    QtPaneForm form{view};
    ProcProcessManager processes;
    PidfdAppleEventSender appleEvents;
    AgentToolControl agents;
    PropertyListDomains domains;
    DesktopWorkspace workspace;
    PanePlatform platform;
    KeyvigilPref pref{platform};
};

KeyvigilPanePlugin::KeyvigilPanePlugin() = default;
KeyvigilPanePlugin::~KeyvigilPanePlugin() = default;

bool KeyvigilPanePlugin::initWithBundle(const QString& bundlePath, PaneHost& host) {
    // The plug-in has its own copy of the log's name.
    setProgramLogName("keyvigil.preferences");
    pane_ = std::make_unique<Pane>(bundlePath, host);
    if (!pane_->pref.initWithBundle(bundlePath))
        return false;
    Ui::KeyvigilPrefView& ui = pane_->view.ui();
    KeyvigilPref& pref = pane_->pref;
    QObject::connect(ui.EnableKeyvigilSwitch, &QAbstractButton::toggled, &pane_->view,
                     [&pref] { pref.enabledChanged(); });
    QObject::connect(ui.accessibilityButton, &QAbstractButton::clicked, &pane_->view,
                     [&pref] { pref.openUniversalAccess(); });
    return true;
}

QWidget* KeyvigilPanePlugin::mainView() {
    return pane_ ? &pane_->view : nullptr;
}

void KeyvigilPanePlugin::willSelect() {
    if (pane_)
        pane_->pref.willSelect();
}

void KeyvigilPanePlugin::willUnselect() {
    if (pane_)
        pane_->pref.willUnselect();
}
