#pragma once

#include "shared/PixelImage.h"

#include <QRect>

#include <vector>

// The pixels of `image` that are more opaque than not, as rectangles in the image's pixels:
// each row's runs, with the runs of following rows that are the same run for run folded into
// the first. The rectangles come sorted by top edge, then left edge, and the rectangles of one
// band share their top and height, the order a window's shape takes as given.
std::vector<QRect> opaqueRectangles(const PixelImage& image);
