#pragma once

#include "shared/PixelImage.h"

#include <QString>

#include <array>
#include <vector>

// The status icon's pictures as the build bakes them: "KVOpen.svg" names "KVOpen-16.pixels",
// "KVOpen-22.pixels" … beside it, so that showing one needs no vector drawing. A missing baked
// file is said once on the program's log and leaves that size out.
namespace StatusPictures {

inline constexpr std::array<int, 6> bakedSizes{16, 22, 24, 32, 48, 64};

// The baked pictures of `imagePath` that exist, smallest first.
std::vector<PixelImage> baked(const QString& imagePath);

// The picture `size` pixels square: the smallest baked one at least that size, scaled down to
// it, else the largest. Null when none is baked.
PixelImage atSize(const QString& imagePath, int size);

} // namespace StatusPictures
