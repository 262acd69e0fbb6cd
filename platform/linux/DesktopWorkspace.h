#pragma once

#include "platform/Workspace.h"

// Files open through the desktop's handlers (xdg-open); the system's settings panes open the
// desktop's own panels (see HostFolders::settingsPanelCommand). Programs start detached.
class DesktopWorkspace final : public Workspace {
public:
    bool openFile(const QString& path) override;
    bool launchTask(const QString& program, const QStringList& arguments) override;
};
