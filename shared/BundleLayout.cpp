#include "shared/BundleLayout.h"

namespace BundleLayout {

QString resources(const QString& bundlePath) {
    return bundlePath + QStringLiteral("/Contents/Resources");
}

QString executable(const QString& bundlePath, const QString& executableName) {
    return bundlePath + QStringLiteral("/Contents/MacOS/") + executableName;
}

QString helperExecutable(const QString& paneBundlePath) {
    return executable(resources(paneBundlePath) + u'/' + kHelperBundleName, kHelperExecutableName);
}

QString helpViewerBundle(const QString& paneBundlePath) {
    return resources(paneBundlePath) + u'/' + kHelpViewerBundleName;
}

QString agentTool(const QString& paneBundlePath) {
    return resources(paneBundlePath) + u'/' + kAgentToolName;
}

QString restartTool(const QString& paneBundlePath) {
    return resources(paneBundlePath) + u'/' + kRestartToolName;
}

} // namespace BundleLayout
