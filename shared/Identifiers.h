#pragma once

#include <QLatin1StringView>

// The identifiers both programs and their tools agree on.
inline constexpr QLatin1StringView kApplicationIdentifier{"org.keyvigil.Keyvigil"};
inline constexpr QLatin1StringView kHelpViewerIdentifier{"org.keyvigil.HelpViewer"};
inline constexpr QLatin1StringView kAgentLabel{"org.keyvigil.Keyvigil.helper"};
inline constexpr QLatin1StringView kSupportAddress{"support@keyvigil.org"};
inline constexpr QLatin1StringView kPaneVersion{"6.2"};
// The helper bundle's creator code, by which the pane finds the running helper.
inline constexpr QLatin1StringView kHelperCreatorCode{"RVpC"};
