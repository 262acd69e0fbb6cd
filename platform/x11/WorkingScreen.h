#pragma once

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

// Which of `screens` the user is working on, for a picture shown over the middle of one: the
// screen holding most of the active window, else the one under the pointer; -1 when neither
// tells. A window that wholly covers several screens (a desktop window, one stretched across
// them) does not choose between those: the pointer does, else the first of them. Everything in
// the same coordinates.
int workingScreen(const std::vector<QRect>& screens, const std::optional<QRect>& activeWindow,
                  const std::optional<QPoint>& pointer);
