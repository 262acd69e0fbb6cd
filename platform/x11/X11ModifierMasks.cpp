#include "platform/x11/X11ModifierMasks.h"

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

ModifierMasks lookUpModifierMasks(Display* display) {
    ModifierMasks masks;
    masks.super = modifiersOf(display, {XK_Super_L, XK_Super_R}, masks.super);
    masks.alt = modifiersOf(display, {XK_Alt_L, XK_Alt_R}, masks.alt);
    masks.numLock = modifiersOf(display, {XK_Num_Lock}, masks.numLock);
    return masks;
}
