#pragma once

#include "platform/xkb/ModifierWord.h"

#include <array>
#include <cstddef>
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
    // A keymap in the text form display servers send; false, keeping the current one, when it
    // does not compile.
    bool loadKeymapText(const char* text, std::size_t length);
    // The system's keymap for a layout, where the display server gives none.
    bool loadNamedKeymap(const char* layout);
    void updateState(unsigned baseMods, unsigned latchedMods, unsigned lockedMods, int baseGroup,
                     int latchedGroup, int lockedGroup);
    // Follows one key of a keyboard device as the display server would.
    void updateKey(unsigned keycode, bool down);
    // Replaces the locked modifiers, keeping what is held and the layout.
    void setLockedMods(unsigned lockedMods);

    // Modifier bits; the keymap numbers the eight real modifiers as X does.
    unsigned effectiveMods() const;
    unsigned lockedMods() const;

    // Keys whose first level is a modifier or lock keysym: they report modifier changes only.
    bool isModifierKey(unsigned keycode) const;
    std::uint8_t characterByte(unsigned keycode) const;
    // The modifier bits the Super, Alt and Num Lock keys set in this keymap.
    ModifierMasks modifierMasks() const;
    // A bit per keycode, set for the keys that repeat.
    std::array<std::uint8_t, 32> repeatingKeys() const;

private:
    std::uint16_t keyInState(unsigned keycode) const;
    void forgetKeys() { keys_.fill(0); }

    xkb_context* context_ = nullptr;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
    // What each key does in the present state, worked out at its first press after a change:
    // typing without touching a modifier then asks the keymap nothing. The character byte, with
    // kKnown set once worked out and kModifier for a modifier key.
    static constexpr std::uint16_t kKnown = 0x100;
    static constexpr std::uint16_t kModifier = 0x200;
    mutable std::array<std::uint16_t, 256> keys_{};
};
