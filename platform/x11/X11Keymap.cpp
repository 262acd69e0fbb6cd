#include "platform/x11/X11Keymap.h"

#include <X11/Xlib-xcb.h>
#include <xkbcommon/xkbcommon-x11.h>

X11Keymap::X11Keymap(Display* display) : display_(display) {
    xcb_connection_t* connection = XGetXCBConnection(display_);
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return;
    deviceId_ = xkb_x11_get_core_keyboard_device_id(connection);
    if (deviceId_ >= 0)
        reload();
}

bool X11Keymap::reload() {
    if (deviceId_ < 0 || !context())
        return false;
    xcb_connection_t* connection = XGetXCBConnection(display_);
    xkb_keymap* keymap = xkb_x11_keymap_new_from_device(context(), connection, deviceId_,
                                                        XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_state* state =
        keymap ? xkb_x11_state_new_from_device(keymap, connection, deviceId_) : nullptr;
    return replaceKeymap(keymap, state);
}
