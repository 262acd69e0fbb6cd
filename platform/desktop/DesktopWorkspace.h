#pragma once

#include "platform/Workspace.h"

// Programs start detached; an application bundle starts its CFBundleExecutable. URLs go to the
// desktop's URL handler (xdg-open).
class DesktopWorkspace final : public Workspace {
public:
    bool launchTask(const QString& program, const QStringList& arguments) override;
    bool launchApplication(const QString& applicationPath) override;
    bool openURL(const QString& url) override;
};
