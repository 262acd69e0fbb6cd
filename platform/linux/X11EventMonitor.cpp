#include "platform/linux/X11EventMonitor.h"

#include "platform/linux/X11Connection.h"
#include "platform/linux/X11KeyRepeater.h"
#include "platform/linux/X11Keymap.h"
#include "platform/linux/X11ModifierWord.h"
#include "shared/ProgramLog.h"

#include <QTimer>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <vector>

struct X11EventMonitor::Private {
    explicit Private(const char* displayName);

    bool selectEvents();
    void handleEvent(XEvent& event);
    void handleXkbEvent(const XkbEvent& event);
    void handleRawKey(int type, unsigned keycode);
    void keymapChanged();
    void setModifierWord(std::uint32_t word);
    void serviceRepeats();
    bool isKeyDown(unsigned keycode) const;
    void deliver(std::uint32_t kind, bool withCharacter, unsigned keycode);

    X11Connection connection;
    std::unique_ptr<X11Keymap> keymap;
    X11ModifierMasks masks;
    X11KeyRepeater repeater;
    // Only wakes the event loop when a repeat is due; serviceRepeats does the work.
    QTimer repeatWake;
    int xinputOpcode = -1;
    int xkbEventBase = -1;
    std::uint32_t modifierWord = 0;

    Handler handler;
    std::vector<EventTypeSpec> types;
};

X11EventMonitor::Private::Private(const char* displayName) : connection(displayName) {
    if (!connection.isOpen())
        return;
    connection.setEventHandler([this](XEvent& event) { handleEvent(event); });
    if (!selectEvents()) {
        keymap.reset();
        return;
    }
    Display* display = connection.display();
    masks = lookUpModifierMasks(display);
    repeater.loadControls(display);
    repeatWake.setSingleShot(true);
    repeatWake.setTimerType(Qt::PreciseTimer);
    connection.setBeforeSleepHandler([this] { serviceRepeats(); });
    modifierWord = composeModifierWord(keymap->effectiveMods(), keymap->lockedMods(), masks);
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

    // Raw events reach the root window whichever application has the focus or a grab.
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
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

void X11EventMonitor::Private::handleEvent(XEvent& event) {
    if (!keymap)
        return;
    if (event.type == xkbEventBase) {
        handleXkbEvent(reinterpret_cast<const XkbEvent&>(event));
        return;
    }
    XGenericEventCookie& cookie = event.xcookie;
    if (cookie.type != GenericEvent || cookie.extension != xinputOpcode)
        return;
    if (!XGetEventData(connection.display(), &cookie))
        return;
    if (cookie.evtype == XI_RawKeyPress || cookie.evtype == XI_RawKeyRelease)
        handleRawKey(cookie.evtype, unsigned(static_cast<XIRawEvent*>(cookie.data)->detail));
    XFreeEventData(connection.display(), &cookie);
}

void X11EventMonitor::Private::handleXkbEvent(const XkbEvent& event) {
    switch (event.any.xkb_type) {
    case XkbStateNotify: {
        const XkbStateNotifyEvent& state = event.state;
        keymap->updateState(state.base_mods, state.latched_mods, state.locked_mods,
                            state.base_group, state.latched_group, state.locked_group);
        setModifierWord(composeModifierWord(state.mods, state.locked_mods, masks));
        break;
    }
    case XkbMapNotify: {
        XkbMapNotifyEvent map = event.map;
        XkbRefreshKeyboardMapping(&map);
        keymapChanged();
        break;
    }
    case XkbNewKeyboardNotify:
        keymapChanged();
        break;
    case XkbControlsNotify:
        repeater.loadControls(connection.display());
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

void X11EventMonitor::Private::handleRawKey(int type, unsigned keycode) {
    if (type == XI_RawKeyRelease) {
        repeater.keyReleased(keycode);
        return;
    }
    repeater.keyPressed(keycode, X11KeyRepeater::Clock::now());
    if (!keymap->isModifierKey(keycode))
        deliver(kEventRawKeyDown, true, keycode);
}

void X11EventMonitor::Private::serviceRepeats() {
    // Runs before every sleep of the loop: with no key repeating it costs no clock read.
    if (!keymap || !repeater.nextRepeat()) {
        repeatWake.stop();
        return;
    }
    while (const unsigned keycode = repeater.takeDueRepeat(X11KeyRepeater::Clock::now())) {
        // The release may still be on its way: the server knows whether the key is down.
        if (!isKeyDown(keycode))
            repeater.keyReleased(keycode);
        else if (!keymap->isModifierKey(keycode))
            deliver(kEventRawKeyRepeat, true, keycode);
        // The key-map query may have read events into the queue; they come before any repeat.
        connection.processPendingEvents();
    }
    const auto next = repeater.nextRepeat();
    if (!next) {
        repeatWake.stop();
        return;
    }
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(*next - X11KeyRepeater::Clock::now());
    repeatWake.start(std::max(wait, std::chrono::milliseconds(0)));
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
    const EventTypeSpec type{kEventClassKeyboard, kind};
    if (!handler || std::find(types.begin(), types.end(), type) == types.end())
        return;
    MonitorEvent event;
    event.eventClass = kEventClassKeyboard;
    event.eventKind = kind;
    event.hasModifiers = true;
    event.kmod = modifierWord;
    if (withCharacter) {
        event.hasCharacter = true;
        event.kchr = keymap->characterByte(keycode);
    }
    handler(event);
}

X11EventMonitor::X11EventMonitor(const char* displayName)
    : d(std::make_unique<Private>(displayName)) {}

X11EventMonitor::~X11EventMonitor() = default;

void X11EventMonitor::installHandler(Handler handler, EventTypeSpec type) {
    d->handler = std::move(handler);
    d->types.assign(1, type);
}

void X11EventMonitor::addEventType(EventTypeSpec type) {
    if (std::find(d->types.begin(), d->types.end(), type) == d->types.end())
        d->types.push_back(type);
}
