#pragma once

#include "platform/OverlayWindows.h"

#include <algorithm>
#include <cmath>
#include <vector>

// A small indicator for the window tests: a panel with rounded corners (fully transparent
// outside them) and opaque marks on it, all in points. The tests change it, then repaint.
struct PanelPicture final : OverlayPicture {
    struct Mark {
        QRect area;
        std::uint32_t argb;
    };

    PanelPicture(QSize points, std::uint32_t panel, std::vector<Mark> marks = {})
        : points(points), panel(panel), marks(std::move(marks)) {}

    QSize size() const override { return points; }
    double opacity() const override { return windowOpacity; }
    void draw(PixelImage& image, double scale) const override {
        const double radius = 6 * scale;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double cx = std::clamp(x + 0.5, radius, image.width() - radius);
                const double cy = std::clamp(y + 0.5, radius, image.height() - radius);
                if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius)
                    image.row(y)[x] = panel;
            }
        for (const Mark& mark : marks)
            image.fill(QRect(int(mark.area.x() * scale), int(mark.area.y() * scale),
                             int(mark.area.width() * scale), int(mark.area.height() * scale)),
                       mark.argb);
    }

    QSize points;
    std::uint32_t panel;
    std::vector<Mark> marks;
    double windowOpacity = 1.0;
};
