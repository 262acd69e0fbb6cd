#include "helper/indicators/IndicatorGeometry.h"

#include "platform/MonitorEvent.h"

#include <algorithm>

UpperLeftFrame upperLeftFrame(const QRect& screen, std::uint32_t mask, int scale) {
    constexpr int width = 17;
    constexpr float menuBarHeight = 22.0f;
    UpperLeftFrame result;
    result.scale = std::max(scale, 1);
    result.height = ((mask & ModifierMask::command) ? 15 : 8) * result.scale;
    const float H = static_cast<float>(screen.height());
    const float h = static_cast<float>(result.height);
    result.originY = std::min(static_cast<int>(H - h + (menuBarHeight - h) * -0.5f),
                              screen.height() - result.height);
    const int top = screen.height() - result.originY - result.height;
    result.frame = QRect(screen.x(), screen.y() + top, width * result.scale, result.height);
    return result;
}

QPoint centeredOrigin(const QRect& available, const QSize& size) {
    return QPoint(available.x() + (available.width() - size.width()) / 2,
                  available.y() + (available.height() - size.height()) / 3);
}
