#pragma once

#include <QLatin1StringView>
#include <QString>

#include <optional>

// Where things sit inside the pane bundle (Keyvigil.prefPane) and the application bundles it
// holds: the build, the install rules and every program that finds another agree through these.
namespace BundleLayout {

inline constexpr QLatin1StringView kHelperBundleName{"Keyvigil Helper.app"};
inline constexpr QLatin1StringView kHelperExecutableName{"Keyvigil Helper"};
inline constexpr QLatin1StringView kHelpViewerBundleName{"Help Viewer.app"};
inline constexpr QLatin1StringView kAgentToolName{"keyvigil-agent"};
inline constexpr QLatin1StringView kRestartToolName{"Restart"};
inline constexpr QLatin1StringView kLauncherToolName{"keyvigil-launcher"};

// <bundle>/Contents/Resources
QString resources(const QString& bundlePath);
// <bundle>/Contents/MacOS/<executable>
QString executable(const QString& bundlePath, const QString& executableName);

// The helper's executable inside the pane bundle.
QString helperExecutable(const QString& paneBundlePath);
QString helpViewerBundle(const QString& paneBundlePath);
QString agentTool(const QString& paneBundlePath);
QString restartTool(const QString& paneBundlePath);
QString launcherTool(const QString& paneBundlePath);
// The pane bundle whose helper `executablePath` is; nullopt for a program outside one.
std::optional<QString> paneBundleOfHelper(const QString& executablePath);
// The compiled translations ("keyvigil_de.qm", …), in the pane bundle's resources.
QString translations(const QString& paneBundlePath);

// The pane bundle that holds an application bundle in its resources, from the folder of that
// application's executable (<pane>/Contents/Resources/<name>.app/Contents/MacOS).
QString paneBundleAround(const QString& executableFolder);
// The pane bundle a command beside it uses, from the command's folder: the installed one
// (<prefix>/bin and <prefix>/lib/keyvigil), else the build tree's (the command in the build
// folder or two folders below it); empty when there is none. The installed one comes first, so
// that an installed command never reaches back into a build tree.
QString paneBundleNear(const QString& programFolder);

} // namespace BundleLayout
