#include "platform/xkb/XkbKeyboard.h"

#include "platform/xkb/KeyCharacter.h"

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <cerrno>
#include <csignal>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Whether a keymap compiles, tried in a child process: the system's keymap parser is known to
// crash on some malformed keymaps, and one from another process must not take this one down.
// Keymaps come at start and when the layout set changes, so the fork costs nothing that counts.
bool compilesInChild(xkb_context* context, const char* text, std::size_t length) {
    const pid_t child = fork();
    if (child < 0)
        return true; // no process to spare: compiled here, as before the check
    if (child == 0) {
        // A crash here ends the child quietly: no core dump, no crash report, no handler of the
        // parent's taking over.
        prctl(PR_SET_DUMPABLE, 0);
        for (const int signalNumber : {SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL})
            signal(signalNumber, SIG_DFL);
        xkb_keymap* keymap = xkb_keymap_new_from_buffer(
            context, text, length, XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
        _exit(keymap ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool isModifierKeysym(xkb_keysym_t keysym) {
    return (keysym >= XKB_KEY_Shift_L && keysym <= XKB_KEY_Hyper_R) ||
           (keysym >= XKB_KEY_ISO_Lock && keysym <= XKB_KEY_ISO_Level5_Lock) ||
           keysym == XKB_KEY_Mode_switch || keysym == XKB_KEY_Num_Lock;
}

} // namespace

XkbKeyboard::XkbKeyboard()
    : context_(xkb_context_new(
          xkb_context_flags(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES))) {
    // A keymap that does not compile is said in one line of ours, not the library's many.
    if (context_)
        xkb_context_set_log_level(context_, XKB_LOG_LEVEL_CRITICAL);
}

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
    forgetKeys();
    return true;
}

bool XkbKeyboard::loadKeymapText(const char* text, std::size_t length) {
    if (!context_)
        return false;
    // The text may or may not end in a terminating zero.
    while (length > 0 && text[length - 1] == '\0')
        --length;
    if (!compilesInChild(context_, text, length))
        return false;
    xkb_keymap* keymap = xkb_keymap_new_from_buffer(
        context_, text, length, XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    return replaceKeymap(keymap, keymap ? xkb_state_new(keymap) : nullptr);
}

bool XkbKeyboard::loadNamedKeymap(const char* layout) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!context)
        return false;
    xkb_context_set_log_level(context, XKB_LOG_LEVEL_CRITICAL);
    const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    return replaceKeymap(keymap, keymap ? xkb_state_new(keymap) : nullptr);
}

void XkbKeyboard::updateKey(unsigned keycode, bool down) {
    if (state_ && xkb_state_update_key(state_, keycode, down ? XKB_KEY_DOWN : XKB_KEY_UP) != 0)
        forgetKeys();
}

void XkbKeyboard::setLockedMods(unsigned lockedMods) {
    if (!state_)
        return;
    if (xkb_state_update_mask(state_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                              xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED), lockedMods,
                              xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_DEPRESSED),
                              xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_LATCHED),
                              xkb_state_serialize_layout(state_, XKB_STATE_LAYOUT_LOCKED)) != 0)
        forgetKeys();
}

void XkbKeyboard::updateState(unsigned baseMods, unsigned latchedMods, unsigned lockedMods,
                              int baseGroup, int latchedGroup, int lockedGroup) {
    if (state_ && xkb_state_update_mask(state_, baseMods, latchedMods, lockedMods, baseGroup,
                                        latchedGroup, lockedGroup) != 0)
        forgetKeys();
}

unsigned XkbKeyboard::effectiveMods() const {
    return state_ ? xkb_state_serialize_mods(state_, XKB_STATE_MODS_EFFECTIVE) : 0;
}

unsigned XkbKeyboard::lockedMods() const {
    return state_ ? xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED) : 0;
}

std::uint16_t XkbKeyboard::keyInState(unsigned keycode) const {
    if (keycode < keys_.size() && (keys_[keycode] & kKnown))
        return keys_[keycode];
    std::uint16_t key = kKnown | ::characterByte(xkb_state_key_get_utf32(state_, keycode),
                                                 xkb_state_key_get_one_sym(state_, keycode));
    const xkb_layout_index_t layout = xkb_state_key_get_layout(state_, keycode);
    const xkb_keysym_t* keysyms = nullptr;
    const int count = layout == XKB_LAYOUT_INVALID
                          ? 0
                          : xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, 0, &keysyms);
    for (int i = 0; i < count; ++i) {
        if (isModifierKeysym(keysyms[i]))
            key |= kModifier;
    }
    if (keycode < keys_.size())
        keys_[keycode] = key;
    return key;
}

bool XkbKeyboard::isModifierKey(unsigned keycode) const {
    return state_ && (keyInState(keycode) & kModifier);
}

std::uint8_t XkbKeyboard::characterByte(unsigned keycode) const {
    if (!state_)
        return kFunctionKeyCharacter;
    return std::uint8_t(keyInState(keycode));
}

ModifierMasks XkbKeyboard::modifierMasks() const {
    ModifierMasks masks;
    if (!keymap_)
        return masks;
    // What each key sets when pressed alone is the keymap's modifier map.
    unsigned super = 0;
    unsigned alt = 0;
    unsigned numLock = 0;
    xkb_state* probe = xkb_state_new(keymap_);
    if (!probe)
        return masks;
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap_);
    for (xkb_keycode_t keycode = xkb_keymap_min_keycode(keymap_); keycode <= last; ++keycode) {
        const xkb_keysym_t* keysyms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap_, keycode, 0, 0, &keysyms) < 1)
            continue;
        unsigned* mask = nullptr;
        switch (keysyms[0]) {
        case XKB_KEY_Super_L:
        case XKB_KEY_Super_R:
            mask = &super;
            break;
        case XKB_KEY_Alt_L:
        case XKB_KEY_Alt_R:
            mask = &alt;
            break;
        case XKB_KEY_Num_Lock:
            mask = &numLock;
            break;
        default:
            continue;
        }
        xkb_state_update_key(probe, keycode, XKB_KEY_DOWN);
        *mask |= xkb_state_serialize_mods(probe, XKB_STATE_MODS_EFFECTIVE);
        xkb_state_update_key(probe, keycode, XKB_KEY_UP);
        // Num Lock stays locked after its release: unlock it for the next key.
        xkb_state_update_mask(probe, 0, 0, 0, 0, 0, 0);
    }
    xkb_state_unref(probe);
    if (super)
        masks.super = super;
    if (alt)
        masks.alt = alt;
    if (numLock)
        masks.numLock = numLock;
    return masks;
}

std::array<std::uint8_t, 32> XkbKeyboard::repeatingKeys() const {
    std::array<std::uint8_t, 32> bits{};
    if (!keymap_) {
        bits.fill(0xFF);
        return bits;
    }
    for (xkb_keycode_t keycode = 0; keycode < 256; ++keycode) {
        if (xkb_keymap_key_repeats(keymap_, keycode))
            bits[keycode / 8] |= std::uint8_t(1u << (keycode % 8));
    }
    return bits;
}
