#include "platform/xkb/XkbKeyboard.h"

#include "platform/xkb/KeyCharacter.h"

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

namespace {

bool isModifierKeysym(xkb_keysym_t keysym) {
    return (keysym >= XKB_KEY_Shift_L && keysym <= XKB_KEY_Hyper_R) ||
           (keysym >= XKB_KEY_ISO_Lock && keysym <= XKB_KEY_ISO_Level5_Lock) ||
           keysym == XKB_KEY_Mode_switch || keysym == XKB_KEY_Num_Lock;
}

} // namespace

XkbKeyboard::XkbKeyboard()
    : context_(xkb_context_new(
          xkb_context_flags(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES))) {}

XkbKeyboard::~XkbKeyboard() {
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

bool XkbKeyboard::replaceKeymap(xkb_keymap* keymap, xkb_state* state) {
    if (!keymap || !state) {
        xkb_state_unref(state);
        xkb_keymap_unref(keymap);
        return false;
    }
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    keymap_ = keymap;
    state_ = state;
    return true;
}

void XkbKeyboard::updateState(unsigned baseMods, unsigned latchedMods, unsigned lockedMods,
                              int baseGroup, int latchedGroup, int lockedGroup) {
    if (state_)
        xkb_state_update_mask(state_, baseMods, latchedMods, lockedMods, baseGroup, latchedGroup,
                              lockedGroup);
}

unsigned XkbKeyboard::effectiveMods() const {
    return state_ ? xkb_state_serialize_mods(state_, XKB_STATE_MODS_EFFECTIVE) : 0;
}

unsigned XkbKeyboard::lockedMods() const {
    return state_ ? xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED) : 0;
}

bool XkbKeyboard::isModifierKey(unsigned keycode) const {
    if (!state_)
        return false;
    const xkb_layout_index_t layout = xkb_state_key_get_layout(state_, keycode);
    if (layout == XKB_LAYOUT_INVALID)
        return false;
    const xkb_keysym_t* keysyms = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, 0, &keysyms);
    for (int i = 0; i < count; ++i) {
        if (isModifierKeysym(keysyms[i]))
            return true;
    }
    return false;
}

std::uint8_t XkbKeyboard::characterByte(unsigned keycode) const {
    if (!state_)
        return kFunctionKeyCharacter;
    return ::characterByte(xkb_state_key_get_utf32(state_, keycode),
                           xkb_state_key_get_one_sym(state_, keycode));
}
