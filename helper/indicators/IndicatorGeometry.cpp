#include "helper/indicators/IndicatorGeometry.h"

#include "platform/MonitorEvent.h"

UpperLeftFrame upperLeftFrame(const QRect& screen, std::uint32_t mask) {
    constexpr int width = 17;
    constexpr float menuBarHeight = 22.0f;
    UpperLeftFrame result;
    result.height = (mask & ModifierMask::command) ? 15 : 8;
    const float H = static_cast<float>(screen.height());
    const float h = static_cast<float>(result.height);
    result.originY = static_cast<int>(H - h + (menuBarHeight - h) * -0.5f);
    const int top = screen.height() - result.originY - result.height;
    result.frame = QRect(screen.x(), screen.y() + top, width, result.height);
    return result;
}

QPoint centeredOrigin(const QRect& available, const QSize& size) {
    return QPoint(available.x() + (available.width() - size.width()) / 2,
                  available.y() + (available.height() - size.height()) / 3);
}
