#include "tools/keyvigil-agent/RestartBackOff.h"

#include <algorithm>

namespace {
constexpr std::chrono::seconds kFirstDelay{1};
constexpr std::chrono::seconds kLongestDelay{10};
constexpr std::chrono::seconds kLongRun{10};
} // namespace

std::chrono::seconds nextRestartDelay(std::chrono::seconds previousDelay,
                                      std::chrono::milliseconds ran) {
    if (ran >= kLongRun || previousDelay < kFirstDelay)
        return kFirstDelay;
    return std::min(previousDelay * 2, kLongestDelay);
}
