#include "platform/linux/X11Keymap.h"

#include "platform/linux/X11KeyCharacter.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xutil.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

X11Keymap::X11Keymap(Display* display) : display_(display) {
    xcb_connection_t* connection = XGetXCBConnection(display_);
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return;
    deviceId_ = xkb_x11_get_core_keyboard_device_id(connection);
    if (deviceId_ < 0)
        return;
    context_ = xkb_context_new(
        xkb_context_flags(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    reload();
}

X11Keymap::~X11Keymap() {
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

bool X11Keymap::reload() {
    if (!context_)
        return false;
    xcb_connection_t* connection = XGetXCBConnection(display_);
    xkb_keymap* keymap = xkb_x11_keymap_new_from_device(context_, connection, deviceId_,
                                                        XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap)
        return false;
    xkb_state* state = xkb_x11_state_new_from_device(keymap, connection, deviceId_);
    if (!state) {
        xkb_keymap_unref(keymap);
        return false;
    }
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    keymap_ = keymap;
    state_ = state;
    return true;
}

void X11Keymap::updateState(unsigned baseMods, unsigned latchedMods, unsigned lockedMods,
                            int baseGroup, int latchedGroup, int lockedGroup) {
    if (state_)
        xkb_state_update_mask(state_, baseMods, latchedMods, lockedMods, baseGroup, latchedGroup,
                              lockedGroup);
}

unsigned X11Keymap::effectiveMods() const {
    return state_ ? xkb_state_serialize_mods(state_, XKB_STATE_MODS_EFFECTIVE) : 0;
}

unsigned X11Keymap::lockedMods() const {
    return state_ ? xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED) : 0;
}

bool X11Keymap::isModifierKey(unsigned keycode) const {
    if (!state_)
        return false;
    const xkb_layout_index_t layout = xkb_state_key_get_layout(state_, keycode);
    if (layout == XKB_LAYOUT_INVALID)
        return false;
    const xkb_keysym_t* keysyms = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, 0, &keysyms);
    for (int i = 0; i < count; ++i) {
        if (IsModifierKey(keysyms[i]))
            return true;
    }
    return false;
}

std::uint8_t X11Keymap::characterByte(unsigned keycode) const {
    if (!state_)
        return kFunctionKeyCharacter;
    return ::characterByte(xkb_state_key_get_utf32(state_, keycode),
                           xkb_state_key_get_one_sym(state_, keycode));
}
