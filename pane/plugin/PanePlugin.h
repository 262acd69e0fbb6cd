#pragma once

#include "platform/PaneHost.h"

#include <QString>
#include <QtPlugin>

class QWidget;

// What the preferences host asks of a pane bundle's plug-in.
class PanePlugin {
public:
    virtual ~PanePlugin() = default;
    // False when the pane has asked the host to terminate: nothing is shown then.
    virtual bool initWithBundle(const QString& bundlePath, PaneHost& host) = 0;
    virtual QWidget* mainView() = 0;
    virtual void willSelect() = 0;
    virtual void willUnselect() = 0;
};

#define PanePlugin_iid "org.keyvigil.PanePlugin/1"
Q_DECLARE_INTERFACE(PanePlugin, PanePlugin_iid)
