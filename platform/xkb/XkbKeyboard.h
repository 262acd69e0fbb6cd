#pragma once

#include <cstdint>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

// A keyboard's keymap and state in libxkbcommon, to tell which character a key types right now
// and which modifiers are down or locked. Whoever owns the display server's connection hands in
// the keymap the server gives and feeds the state changes it reports, so the characters follow
// the user's own layout.
class XkbKeyboard {
public:
    XkbKeyboard();
    ~XkbKeyboard();
    XkbKeyboard(const XkbKeyboard&) = delete;
    XkbKeyboard& operator=(const XkbKeyboard&) = delete;

    bool isValid() const { return state_ != nullptr; }
    // The context keymaps are compiled in: no include paths and no names from the environment,
    // since the keymap always comes whole from the display server.
    xkb_context* context() const { return context_; }
    // Takes over the keymap and its state (both may be null, which keeps the current ones).
    bool replaceKeymap(xkb_keymap* keymap, xkb_state* state);
    void updateState(unsigned baseMods, unsigned latchedMods, unsigned lockedMods, int baseGroup,
                     int latchedGroup, int lockedGroup);

    // Modifier bits; the keymap numbers the eight real modifiers as X does.
    unsigned effectiveMods() const;
    unsigned lockedMods() const;

    // Keys whose first level is a modifier or lock keysym: they report modifier changes only.
    bool isModifierKey(unsigned keycode) const;
    std::uint8_t characterByte(unsigned keycode) const;

private:
    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
};
