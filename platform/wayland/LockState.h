#pragma once

#include <functional>

// Caps Lock and Num Lock as the session has them.
struct LockState {
    bool capsLock = false;
    bool numLock = false;
    bool operator==(const LockState&) const = default;
};

using LockStateHandler = std::function<void(const LockState&)>;
