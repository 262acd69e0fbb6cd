#pragma once

#include <QLatin1StringView>

// The keys of the help hand-off store (org.keyvigil.HelpViewer): the window writes the request
// and reads the viewer's process; the viewer reads the request and records its process.
namespace HelpHandoffKeys {
inline constexpr QLatin1StringView kHelpFolderPath{"Help Folder Path"};
inline constexpr QLatin1StringView kPath{"Path"};
inline constexpr QLatin1StringView kAnchor{"Anchor"};
inline constexpr QLatin1StringView kHelpBookFolder{"Help Book Folder"};
inline constexpr QLatin1StringView kPSNhigh{"PSNhigh"};
inline constexpr QLatin1StringView kPSNlow{"PSNlow"};
} // namespace HelpHandoffKeys
