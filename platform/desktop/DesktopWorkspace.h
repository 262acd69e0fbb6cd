#pragma once

#include "platform/Workspace.h"

// Files open through the desktop's handlers (xdg-open); the system's settings panes open the
// desktop's own panels (see HostFolders::settingsPanelCommand). Programs start detached; an
// application bundle starts its CFBundleExecutable. URLs go to the desktop's URL handler.
class DesktopWorkspace final : public Workspace {
public:
    bool openFile(const QString& path) override;
    bool launchTask(const QString& program, const QStringList& arguments) override;
    bool launchApplication(const QString& applicationPath) override;
    bool openURL(const QString& url) override;
};
