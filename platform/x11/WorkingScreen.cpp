#include "platform/x11/WorkingScreen.h"

#include <algorithm>

int workingScreen(const std::vector<QRect>& screens, const std::optional<QRect>& activeWindow,
                  const std::optional<QPoint>& pointer) {
    const int count = int(screens.size());
    // The screens the active window is on most, or every screen it wholly covers if several.
    std::vector<int> holding;
    if (activeWindow) {
        std::vector<int> covered;
        qint64 most = 0;
        for (int i = 0; i < count; ++i) {
            const QRect common = screens[std::size_t(i)] & *activeWindow;
            const qint64 area = qint64(common.width()) * common.height();
            if (area == 0)
                continue;
            if (common == screens[std::size_t(i)])
                covered.push_back(i);
            if (area > most) {
                most = area;
                holding.clear();
            }
            if (area == most)
                holding.push_back(i);
        }
        if (covered.size() > 1)
            holding = std::move(covered);
    }
    const auto underPointer = [&](int i) {
        return pointer && screens[std::size_t(i)].contains(*pointer);
    };
    if (!holding.empty()) {
        const auto found = std::find_if(holding.begin(), holding.end(), underPointer);
        return found != holding.end() ? *found : holding.front();
    }
    for (int i = 0; i < count; ++i)
        if (underPointer(i))
            return i;
    return -1;
}
