#include "platform/x11/OpaqueRectangles.h"

#include <utility>

namespace {

bool opaque(std::uint32_t pixel) {
    return pixel >> 24 >= 128;
}

} // namespace

std::vector<QRect> opaqueRectangles(const PixelImage& pixels) {
    std::vector<QRect> rectangles;
    std::vector<std::pair<int, int>> band; // the runs, first and last column, of the band open
    std::size_t bandStart = 0;             // where the open band's rectangles begin
    std::vector<std::pair<int, int>> runs;
    for (int y = 0; y < pixels.height(); ++y) {
        const std::uint32_t* row = pixels.row(y);
        runs.clear();
        for (int x = 0; x < pixels.width(); ++x) {
            if (!opaque(row[x]))
                continue;
            const int first = x;
            while (x + 1 < pixels.width() && opaque(row[x + 1]))
                ++x;
            runs.emplace_back(first, x);
        }
        // `band` is the row above's runs, or empty after a row without any.
        if (!runs.empty() && runs == band) {
            for (std::size_t i = bandStart; i < rectangles.size(); ++i)
                rectangles[i].setBottom(y);
            continue;
        }
        band = runs;
        bandStart = rectangles.size();
        for (const auto& [first, last] : runs)
            rectangles.emplace_back(QPoint(first, y), QPoint(last, y));
    }
    return rectangles;
}
