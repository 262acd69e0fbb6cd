#include "platform/x11/X11EventMonitor.h"

#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Keymap.h"
#include "platform/x11/X11ModifierMasks.h"
#include "platform/xkb/KeyEventSink.h"
#include "platform/xkb/KeyRepeater.h"
#include "shared/ProgramLog.h"

#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XI2proto.h>
#include <X11/extensions/XInput2.h>
#include <xcb/xcb.h>
// The XKB header names a field `explicit`, which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The core keyboard's repeat controls, as the server repeats keys.
void loadRepeatControls(Display* display, KeyRepeater& repeater) {
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return;
    if (XkbGetControls(display, XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask,
                       keyboard) == Success &&
        keyboard->ctrls) {
        const XkbControlsRec& controls = *keyboard->ctrls;
        std::array<std::uint8_t, 32> perKeyRepeat{};
        std::copy(std::begin(controls.per_key_repeat), std::end(controls.per_key_repeat),
                  perKeyRepeat.begin());
        repeater.setControls((controls.enabled_ctrls & XkbRepeatKeysMask) != 0,
                             std::chrono::milliseconds(controls.repeat_delay),
                             std::chrono::milliseconds(controls.repeat_interval), perKeyRepeat);
    }
    XkbFreeKeyboard(keyboard, 0, True);
}

} // namespace

struct X11EventMonitor::Private {
    explicit Private(const char* displayName);

    bool selectEvents();
    void handleEvent(const xcb_generic_event_t& event);
    void handleXkbEvent(const xcb_generic_event_t& event);
    void handleKeyPress(unsigned keycode);
    void keymapChanged();
    void setModifierWord(std::uint32_t word);
    void serviceRepeats();
    void armRepeatWake(KeyRepeater::Clock::time_point due);
    bool isKeyDown(unsigned keycode) const;
    void deliver(std::uint32_t kind, bool withCharacter, unsigned keycode);

    X11Connection connection;
    std::unique_ptr<X11Keymap> keymap;
    ModifierMasks masks;
    KeyRepeater repeater;
    // Only wakes the event loop when a repeat may be due; serviceRepeats does the work. Armed
    // for the earliest repeat and left alone by later presses, which only push the repeat back:
    // typing re-arms it once a repeat delay, not at every key.
    QTimer repeatWake;
    KeyRepeater::Clock::time_point repeatWakeDue;
    int xinputOpcode = -1;
    int xkbEventBase = -1;
    std::uint32_t modifierWord = 0;

    KeyEventSink sink;
};

X11EventMonitor::Private::Private(const char* displayName) : connection(displayName) {
    if (!connection.isOpen())
        return;
    connection.setXcbEventHandler([this](const xcb_generic_event_t& event) { handleEvent(event); });
    if (!selectEvents()) {
        keymap.reset();
        return;
    }
    Display* display = connection.display();
    masks = lookUpModifierMasks(display);
    loadRepeatControls(display, repeater);
    repeatWake.setSingleShot(true);
    repeatWake.setTimerType(Qt::PreciseTimer);
    connection.setBeforeSleepHandler([this] { serviceRepeats(); });
    modifierWord = composeModifierWord(keymap->effectiveMods(), keymap->lockedMods(), masks);
    XFlush(display);
    connection.processPendingEvents();
}

bool X11EventMonitor::Private::selectEvents() {
    Display* display = connection.display();
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &xinputOpcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        qCWarning(programLog, "the X server has no XInput 2.2: key presses cannot be seen, so "
                              "Keyvigil Helper will not warn");
        return false;
    }

    int opcode = 0;
    major = XkbMajorVersion;
    minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &xkbEventBase, &error, &major, &minor)) {
        qCWarning(programLog, "the X server has no XKB extension: the lock and modifier keys "
                              "cannot be followed, so Keyvigil Helper will not warn");
        return false;
    }
    keymap = std::make_unique<X11Keymap>(display);
    if (!keymap->isValid()) {
        qCWarning(programLog, "the keyboard's keymap cannot be read: Keyvigil Helper will not "
                              "warn");
        return false;
    }

    // Raw events reach the root window whichever application has the focus or a grab. Releases
    // are not read: they would wake the loop a second time for every key, and the one thing they
    // tell, the end of a repeat, the server's key map says when the repeat falls due.
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);

    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbAllStateComponentsMask,
                          XkbModifierStateMask | XkbModifierBaseMask | XkbModifierLatchMask |
                              XkbModifierLockMask | XkbGroupStateMask | XkbGroupBaseMask |
                              XkbGroupLatchMask | XkbGroupLockMask);
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbNewKeyboardNotify, XkbAllNewKeyboardEventsMask,
                          XkbAllNewKeyboardEventsMask);
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbMapNotify, XkbAllMapEventsMask,
                          XkbAllMapEventsMask);
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbControlsNotify,
                          XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask,
                          XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask);
    return true;
}

void X11EventMonitor::Private::handleEvent(const xcb_generic_event_t& event) {
    if (!keymap)
        return;
    const int type = event.response_type & 0x7F;
    if (type == xkbEventBase) {
        handleXkbEvent(event);
        return;
    }
    if (type != XCB_GE_GENERIC)
        return;
    // The raw event's fixed part, as the server sends it: XCB keeps the first 32 bytes in place.
    const auto& raw = reinterpret_cast<const xXIRawEvent&>(event);
    if (raw.extension != xinputOpcode)
        return;
    if (raw.evtype == XI_RawKeyPress)
        handleKeyPress(raw.detail);
}

void X11EventMonitor::Private::handleXkbEvent(const xcb_generic_event_t& event) {
    // Every XKB event starts with the same fields; the second byte says which one it is.
    switch (reinterpret_cast<const xcb_xkb_state_notify_event_t&>(event).xkbType) {
    case XCB_XKB_STATE_NOTIFY: {
        const auto& state = reinterpret_cast<const xcb_xkb_state_notify_event_t&>(event);
        keymap->updateState(state.baseMods, state.latchedMods, state.lockedMods, state.baseGroup,
                            state.latchedGroup, state.lockedGroup);
        setModifierWord(composeModifierWord(state.mods, state.lockedMods, masks));
        break;
    }
    case XCB_XKB_MAP_NOTIFY:
    case XCB_XKB_NEW_KEYBOARD_NOTIFY: {
        // Xlib sees no event on this connection, so its copy of the keyboard, which the modifier
        // masks come from, is reloaded whole.
        XkbMapNotifyEvent reload{};
        reload.type = xkbEventBase;
        reload.display = connection.display();
        reload.xkb_type = XkbNewKeyboardNotify;
        XkbRefreshKeyboardMapping(&reload);
        keymapChanged();
        break;
    }
    case XCB_XKB_CONTROLS_NOTIFY:
        loadRepeatControls(connection.display(), repeater);
        break;
    default:
        break;
    }
}

void X11EventMonitor::Private::keymapChanged() {
    keymap->reload();
    masks = lookUpModifierMasks(connection.display());
    setModifierWord(composeModifierWord(keymap->effectiveMods(), keymap->lockedMods(), masks));
}

void X11EventMonitor::Private::handleKeyPress(unsigned keycode) {
    repeater.keyPressed(keycode, KeyRepeater::Clock::now());
    if (!keymap->isModifierKey(keycode))
        deliver(kEventRawKeyDown, true, keycode);
}

void X11EventMonitor::Private::serviceRepeats() {
    // Runs before every sleep of the loop: with no key repeating it costs no clock read. A wake
    // still armed then fires once, finds nothing due and is not armed again.
    if (!keymap || !repeater.nextRepeat())
        return;
    if (repeatWake.isActive() && repeatWakeDue <= *repeater.nextRepeat())
        return;
    while (const unsigned keycode = repeater.takeDueRepeat(KeyRepeater::Clock::now())) {
        // Only the server knows whether the key is still down.
        if (!isKeyDown(keycode))
            repeater.keyReleased(keycode);
        else if (!keymap->isModifierKey(keycode))
            deliver(kEventRawKeyRepeat, true, keycode);
        // The key-map query may have read events into the queue; they come before any repeat.
        connection.processPendingEvents();
    }
    if (const auto next = repeater.nextRepeat())
        armRepeatWake(*next);
}

void X11EventMonitor::Private::armRepeatWake(KeyRepeater::Clock::time_point due) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - KeyRepeater::Clock::now());
    repeatWake.start(std::max(wait, std::chrono::milliseconds(0)));
    repeatWakeDue = due;
}

bool X11EventMonitor::Private::isKeyDown(unsigned keycode) const {
    char keys[32] = {};
    XQueryKeymap(connection.display(), keys);
    return keycode < 256 && (std::uint8_t(keys[keycode / 8]) & (1u << (keycode % 8)));
}

void X11EventMonitor::Private::setModifierWord(std::uint32_t word) {
    if (word == modifierWord)
        return;
    modifierWord = word;
    deliver(kEventRawKeyModifiersChanged, false, 0);
}

void X11EventMonitor::Private::deliver(std::uint32_t kind, bool withCharacter, unsigned keycode) {
    // The character is looked up only for an event someone asked for.
    if (sink.wants(kind))
        sink.deliver(kind, modifierWord, withCharacter ? int(keymap->characterByte(keycode)) : -1);
}

X11EventMonitor::X11EventMonitor(const char* displayName)
    : d(std::make_unique<Private>(displayName)) {}

X11EventMonitor::~X11EventMonitor() = default;

void X11EventMonitor::installHandler(Handler handler, EventTypeSpec type) {
    d->sink.install(std::move(handler), type);
}

void X11EventMonitor::addEventType(EventTypeSpec type) {
    d->sink.add(type);
}
