#pragma once

#include <cstdint>

typedef struct _XDisplay Display;

// Which X modifier bits stand for the keys the modifier word names. Shift, Lock and Control
// are fixed by the protocol; the others depend on the keymap's modifier map.
struct X11ModifierMasks {
    unsigned super = 1u << 6;   // Mod4
    unsigned alt = 1u << 3;     // Mod1
    unsigned numLock = 1u << 4; // Mod2
};

// Looks the masks up from the server's modifier map (the modifier the Super, Alt and Num_Lock
// keysyms set), keeping the usual bit where a keysym is bound to none.
X11ModifierMasks lookUpModifierMasks(Display* display);

// The modifier word from X modifier state: Command = Super, Shift, Caps Lock = Lock locked,
// Option = Alt, Control, Num Lock = its modifier locked. Function stays 0: PC keyboards handle
// their Fn key in the keyboard itself, so no X modifier corresponds to it.
std::uint32_t composeModifierWord(unsigned effectiveMods, unsigned lockedMods,
                                  const X11ModifierMasks& masks);
