#include "platform/xkb/ModifierWord.h"

#include "platform/MonitorEvent.h"

namespace {

// The real modifiers every keymap numbers alike.
constexpr unsigned shiftBit = 1u << 0;
constexpr unsigned lockBit = 1u << 1;
constexpr unsigned controlBit = 1u << 2;

} // namespace

std::uint32_t composeModifierWord(unsigned effectiveMods, unsigned lockedMods,
                                  const ModifierMasks& masks) {
    std::uint32_t word = 0;
    if (effectiveMods & masks.super)
        word |= ModifierMask::command;
    if (effectiveMods & shiftBit)
        word |= ModifierMask::shift;
    if (lockedMods & lockBit)
        word |= ModifierMask::capsLock;
    if (effectiveMods & masks.alt)
        word |= ModifierMask::option;
    if (effectiveMods & controlBit)
        word |= ModifierMask::control;
    if (lockedMods & masks.numLock)
        word |= ModifierMask::numLock;
    return word;
}
