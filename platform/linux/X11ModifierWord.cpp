#include "platform/linux/X11ModifierWord.h"

#include "platform/MonitorEvent.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <initializer_list>

namespace {

unsigned modifiersOf(Display* display, std::initializer_list<KeySym> keysyms, unsigned fallback) {
    unsigned mask = 0;
    for (KeySym keysym : keysyms)
        mask |= XkbKeysymToModifiers(display, keysym);
    return mask ? mask : fallback;
}

} // namespace

X11ModifierMasks lookUpModifierMasks(Display* display) {
    X11ModifierMasks masks;
    masks.super = modifiersOf(display, {XK_Super_L, XK_Super_R}, masks.super);
    masks.alt = modifiersOf(display, {XK_Alt_L, XK_Alt_R}, masks.alt);
    masks.numLock = modifiersOf(display, {XK_Num_Lock}, masks.numLock);
    return masks;
}

std::uint32_t composeModifierWord(unsigned effectiveMods, unsigned lockedMods,
                                  const X11ModifierMasks& masks) {
    std::uint32_t word = 0;
    if (effectiveMods & masks.super)
        word |= ModifierMask::command;
    if (effectiveMods & ShiftMask)
        word |= ModifierMask::shift;
    if (lockedMods & LockMask)
        word |= ModifierMask::capsLock;
    if (effectiveMods & masks.alt)
        word |= ModifierMask::option;
    if (effectiveMods & ControlMask)
        word |= ModifierMask::control;
    if (lockedMods & masks.numLock)
        word |= ModifierMask::numLock;
    return word;
}
