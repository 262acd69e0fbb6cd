#pragma once

#include <cstdint>

typedef struct _XDisplay Display;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

// The server's keymap and keyboard state mirrored in libxkbcommon, to tell which character a
// key types right now. The owner feeds it the server's state changes.
class X11Keymap {
public:
    explicit X11Keymap(Display* display);
    ~X11Keymap();
    X11Keymap(const X11Keymap&) = delete;
    X11Keymap& operator=(const X11Keymap&) = delete;

    bool isValid() const { return state_ != nullptr; }
    // Fetches the core keyboard's keymap and state afresh; keeps the old ones on failure.
    bool reload();
    void updateState(unsigned baseMods, unsigned latchedMods, unsigned lockedMods, int baseGroup,
                     int latchedGroup, int lockedGroup);

    // X modifier bits; the keymap numbers the eight real modifiers as X does.
    unsigned effectiveMods() const;
    unsigned lockedMods() const;

    // Keys whose first level is a modifier or lock keysym: they report modifier changes only.
    bool isModifierKey(unsigned keycode) const;
    std::uint8_t characterByte(unsigned keycode) const;

private:
    Display* display_;
    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
    std::int32_t deviceId_ = -1;
};
