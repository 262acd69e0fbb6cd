#pragma once

#include "platform/Workspace.h"

#include <memory>
#include <vector>

// Programs start detached; an application bundle starts its CFBundleExecutable. A URL goes to
// the program xdg-mime names for its scheme, through xdg-open, whose output is kept off the
// terminal (it would print the whole URL) and whose exit is watched for a while.
class DesktopWorkspace final : public Workspace {
public:
    DesktopWorkspace();
    ~DesktopWorkspace() override;

    bool launchTask(const QString& program, const QStringList& arguments) override;
    bool launchApplication(const QString& applicationPath) override;
    void openURL(const QString& url, OpenFailed failed) override;

private:
    struct Opener;
    void finished(Opener& opener);

    std::vector<std::unique_ptr<Opener>> openers_;
};
