#include "shared/BundleLayout.h"

#include <QDir>
#include <QFileInfo>

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

QString translations(const QString& paneBundlePath) {
    return resources(paneBundlePath) + QStringLiteral("/translations");
}

QString paneBundleAround(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + QStringLiteral("/../../../../.."));
}

QString paneBundleNear(const QString& programFolder) {
    for (const char* relative :
         {"/../lib/keyvigil/Keyvigil.prefPane", "/Keyvigil.prefPane", "/../../Keyvigil.prefPane"}) {
        const QString candidate = programFolder + QLatin1StringView(relative);
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return {};
}

QString launcherTool(const QString& paneBundlePath) {
    return resources(paneBundlePath) + u'/' + kLauncherToolName;
}

std::optional<QString> paneBundleOfHelper(const QString& executablePath) {
    const QString path = QDir::cleanPath(executablePath);
    QDir folder = QFileInfo(path).dir();
    for (int level = 0; level < 5; ++level) {
        if (!folder.cdUp())
            return std::nullopt;
    }
    if (helperExecutable(folder.path()) != path)
        return std::nullopt;
    return folder.path();
}

} // namespace BundleLayout
