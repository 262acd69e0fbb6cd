#include "platform/linux/X11KeyCharacter.h"

#include <X11/keysym.h>

namespace {

std::uint8_t controlCodeOf(std::uint32_t keysym) {
    switch (keysym) {
    case XK_Home:
    case XK_KP_Home:
        return 0x01;
    case XK_End:
    case XK_KP_End:
        return 0x04;
    case XK_Help:
    case XK_Insert:
    case XK_KP_Insert:
        return 0x05;
    case XK_Prior:
    case XK_KP_Prior:
        return 0x0B;
    case XK_Next:
    case XK_KP_Next:
        return 0x0C;
    case XK_Left:
    case XK_KP_Left:
        return 0x1C;
    case XK_Right:
    case XK_KP_Right:
        return 0x1D;
    case XK_Up:
    case XK_KP_Up:
        return 0x1E;
    case XK_Down:
    case XK_KP_Down:
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
