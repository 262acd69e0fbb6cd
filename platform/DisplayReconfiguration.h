#pragma once

#include <cstdint>
#include <functional>

inline constexpr std::uint32_t kCGDisplayBeginConfigurationFlag = 1u << 0;
inline constexpr std::uint32_t kCGDisplayMovedFlag = 1u << 1;
inline constexpr std::uint32_t kCGDisplaySetMainFlag = 1u << 2;
inline constexpr std::uint32_t kCGDisplaySetModeFlag = 1u << 3;
inline constexpr std::uint32_t kCGDisplayAddFlag = 1u << 4;
inline constexpr std::uint32_t kCGDisplayRemoveFlag = 1u << 5;

// Calls back once per display concerned whenever the display configuration changes.
class DisplayReconfiguration {
public:
    using Callback = std::function<void(std::uint32_t display, std::uint32_t changeFlags)>;
    virtual ~DisplayReconfiguration() = default;
    virtual void registerReconfigurationCallback(Callback callback) = 0;
};
