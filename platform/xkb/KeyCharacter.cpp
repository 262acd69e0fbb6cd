#include "platform/xkb/KeyCharacter.h"

#include <xkbcommon/xkbcommon-keysyms.h>

namespace {

std::uint8_t controlCodeOf(std::uint32_t keysym) {
    switch (keysym) {
    case XKB_KEY_Home:
    case XKB_KEY_KP_Home:
        return 0x01;
    case XKB_KEY_End:
    case XKB_KEY_KP_End:
        return 0x04;
    case XKB_KEY_Help:
    case XKB_KEY_Insert:
    case XKB_KEY_KP_Insert:
        return 0x05;
    case XKB_KEY_Prior:
    case XKB_KEY_KP_Prior:
        return 0x0B;
    case XKB_KEY_Next:
    case XKB_KEY_KP_Next:
        return 0x0C;
    case XKB_KEY_Left:
    case XKB_KEY_KP_Left:
        return 0x1C;
    case XKB_KEY_Right:
    case XKB_KEY_KP_Right:
        return 0x1D;
    case XKB_KEY_Up:
    case XKB_KEY_KP_Up:
        return 0x1E;
    case XKB_KEY_Down:
    case XKB_KEY_KP_Down:
        return 0x1F;
    default:
        return kFunctionKeyCharacter;
    }
}

} // namespace

std::uint8_t characterByte(std::uint32_t codePoint, std::uint32_t keysym) {
    if (codePoint == 0)
        return controlCodeOf(keysym);
    if (codePoint > 0xFF)
        return kUnrepresentableCharacter;
    return std::uint8_t(codePoint);
}
