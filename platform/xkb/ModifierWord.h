#pragma once

#include <cstdint>

// Which modifier bits stand for the keys the modifier word names. Shift, Lock and Control are
// fixed; the others depend on the keymap's modifier map.
struct ModifierMasks {
    unsigned super = 1u << 6;   // Mod4
    unsigned alt = 1u << 3;     // Mod1
    unsigned numLock = 1u << 4; // Mod2
};

// The modifier word from modifier state: Command = Super, Shift, Caps Lock = Lock locked,
// Option = Alt, Control, Num Lock = its modifier locked. Function stays 0: PC keyboards handle
// their Fn key in the keyboard itself, so no modifier corresponds to it.
std::uint32_t composeModifierWord(unsigned effectiveMods, unsigned lockedMods,
                                  const ModifierMasks& masks);
