#pragma once

#include "pane/PanePlatform.h"

#include <QString>

#include <optional>

// The help book's folder in the pane bundle's resources.
inline constexpr QLatin1StringView kHelpBookName{"Keyvigil Help"};

// Asks the help viewer to show `page` of the book (its start page when nullopt) at `anchor`
// (none when nullopt): the request is left in the hand-off store, then the running viewer is
// woken with 'rapp', or the viewer in the bundle's resources is launched.
void showHelp(const QString& bookName, const std::optional<QString>& page,
              const std::optional<QString>& anchor, const QString& bundlePath,
              PanePlatform& platform);

// Asks the help viewer to quit, if it was last asked to show `bookName`.
void terminateHelp(const QString& bookName, PanePlatform& platform);
