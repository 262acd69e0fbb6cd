#pragma once

#include <QLatin1StringView>

// The identifiers both programs and their tools agree on.
inline constexpr QLatin1StringView kApplicationIdentifier{"org.keyvigil.Keyvigil"};
inline constexpr QLatin1StringView kHelpViewerIdentifier{"org.keyvigil.HelpViewer"};
inline constexpr QLatin1StringView kAgentLabel{"org.keyvigil.Keyvigil.helper"};
inline constexpr QLatin1StringView kSupportAddress{"support@keyvigil.org"};
// The project's version, from the build (CMake's project version).
inline constexpr QLatin1StringView kPaneVersion{KEYVIGIL_VERSION};
// The helper bundle's creator code, by which the pane finds the running helper.
inline constexpr QLatin1StringView kHelperCreatorCode{"RVpC"};
