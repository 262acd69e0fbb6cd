#pragma once

#include <QLatin1StringView>

// The keys of the agent file (~/Library/LaunchAgents/<label>.plist): the window writes it and
// the agent tool reads it.
namespace AgentFileKeys {
inline constexpr QLatin1StringView kLabel{"Label"};
inline constexpr QLatin1StringView kProgram{"Program"};
inline constexpr QLatin1StringView kRunAtLoad{"RunAtLoad"};
inline constexpr QLatin1StringView kKeepAlive{"KeepAlive"};
} // namespace AgentFileKeys
