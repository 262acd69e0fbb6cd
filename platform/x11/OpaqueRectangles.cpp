#include "platform/x11/OpaqueRectangles.h"

#include <QColor>

#include <utility>

std::vector<QRect> opaqueRectangles(const QImage& image) {
    const QImage pixels = image.format() == QImage::Format_ARGB32_Premultiplied
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<QRect> rectangles;
    std::vector<std::pair<int, int>> band; // the runs, first and last column, of the band open
    std::size_t bandStart = 0;             // where the open band's rectangles begin
    std::vector<std::pair<int, int>> runs;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        runs.clear();
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(row[x]) < 128)
                continue;
            const int first = x;
            while (x + 1 < pixels.width() && qAlpha(row[x + 1]) >= 128)
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
