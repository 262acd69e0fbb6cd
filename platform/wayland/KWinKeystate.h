#pragma once

#include "platform/wayland/LockState.h"

#include <cstdint>

class WaylandConnection;
struct org_kde_kwin_keystate;

// Caps Lock and Num Lock from KWin, which offers its keystate interface only to programs that a
// desktop entry names with X-KDE-Wayland-Interfaces=org_kde_kwin_keystate.
class KWinKeystate {
public:
    KWinKeystate(WaylandConnection& connection, LockStateHandler handler);
    ~KWinKeystate();
    KWinKeystate(const KWinKeystate&) = delete;
    KWinKeystate& operator=(const KWinKeystate&) = delete;

    bool isOffered() const { return keystate_ != nullptr; }
    // Asks for every state again, after a resume for instance.
    void fetchStates();
    const LockState& state() const { return state_; }

private:
    static void stateChanged(void* data, org_kde_kwin_keystate* keystate, std::uint32_t key,
                             std::uint32_t state);

    org_kde_kwin_keystate* keystate_ = nullptr;
    LockStateHandler handler_;
    LockState state_;
};
