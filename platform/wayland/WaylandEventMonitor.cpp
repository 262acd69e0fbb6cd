#include "platform/wayland/WaylandEventMonitor.h"

#include "platform/desktop/ResumeWatcher.h"
#include "platform/wayland/KWinKeystate.h"
#include "platform/wayland/KeyboardDevices.h"
#include "platform/wayland/KeyboardLeds.h"
#include "platform/wayland/SeatKeyboard.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/xkb/KeyEventSink.h"
#include "platform/xkb/KeyRepeater.h"
#include "platform/xkb/XkbKeyboard.h"
#include "shared/ProgramLog.h"

#include <QAbstractEventDispatcher>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned lockBit = 1u << 1;

} // namespace

struct WaylandEventMonitor::Private {
    Private(WaylandConnection& connection, WaylandCompositor compositor, bool locksFromOutside);

    void keymapReceived(const char* text, std::size_t length);
    void locksChanged(const LockState& state);
    void keyChanged(unsigned keycode, bool down);
    unsigned lockedMods() const;
    void updateModifierWord();
    void serviceRepeats();
    void deliver(std::uint32_t kind, bool withCharacter, unsigned keycode);

    XkbKeyboard keyboard;
    ModifierMasks masks;
    KeyRepeater repeater;
    QTimer repeatWake;
    KeyRepeater::Clock::time_point repeatWakeDue;
    LockState locks;
    std::uint32_t modifierWord = 0;

    // The sources, in the order they are preferred; only one follows the locks.
    std::unique_ptr<SeatKeyboard> seat;
    std::unique_ptr<KWinKeystate> keystate;
    std::unique_ptr<KeyboardDevices> devices;
    std::unique_ptr<KeyboardLeds> lights;
    std::unique_ptr<ResumeWatcher> resume;
    bool locksFromDevices = false;

    QStringList report;
    KeyEventSink sink;
};

WaylandEventMonitor::Private::Private(WaylandConnection& connection, WaylandCompositor compositor,
                                      bool locksFromOutside) {
    repeatWake.setSingleShot(true);
    repeatWake.setTimerType(Qt::PreciseTimer);
    seat = std::make_unique<SeatKeyboard>(
        connection, [this](const char* text, std::size_t length) { keymapReceived(text, length); },
        [this](const SeatKeyboard::Repeat& repeat) {
            repeater.setControls(repeat.enabled, repeat.delay, repeat.interval,
                                 keyboard.repeatingKeys());
        });
    keystate = std::make_unique<KWinKeystate>(
        connection, [this](const LockState& state) { locksChanged(state); });
    // The keymap and the locks' first state arrive with the answers to the binds.
    connection.roundtrip();
    connection.roundtrip();
    if (!keyboard.isValid()) {
        report << QStringLiteral("the compositor sent no keymap: the characters typed follow a "
                                 "US layout");
        keyboard.loadNamedKeymap("us");
    }

    const bool kwinLocks = !locksFromOutside && keystate->isOffered();
    if (!kwinLocks)
        keystate.reset();
    devices = std::make_unique<KeyboardDevices>(KeyboardDevices::Handlers{
        [this](unsigned keycode, bool down) { keyChanged(keycode, down); },
        [this](const LockState& state) {
            if (locksFromDevices)
                locksChanged(state);
        }});
    const bool readsKeys = devices->keyboardsOpen() > 0;

    if (locksFromOutside) {
        // The owner says where they come from.
    } else if (kwinLocks) {
        report << QStringLiteral("Caps Lock and Num Lock from KWin");
    } else if (readsKeys) {
        locksFromDevices = true;
        devices->rereadLeds();
        report << QStringLiteral("Caps Lock and Num Lock from the keyboards' lights");
    } else {
        lights =
            std::make_unique<KeyboardLeds>([this](const LockState& state) { locksChanged(state); });
        if (lights->hasLights()) {
            lights->start();
            report << QStringLiteral("Caps Lock and Num Lock from the keyboards' lights in "
                                     "/sys/class/leds, read four times a second");
        } else {
            lights.reset();
            report << (compositor == WaylandCompositor::Gnome
                           ? QStringLiteral(
                                 "on GNOME, Caps Lock and Num Lock need Keyvigil's GNOME "
                                 "Shell companion or access to the keyboards: lock "
                                 "warnings are off")
                           : QStringLiteral("%1 does not tell other programs about Caps Lock and "
                                            "Num Lock, and the keyboards cannot be read: lock "
                                            "warnings are off")
                                 .arg(compositorName(compositor)));
        }
    }
    if (readsKeys)
        report << QStringLiteral("keys from %1 keyboard(s)").arg(devices->keyboardsOpen());
    else if (!devices->hasUdev())
        report << QStringLiteral("no udev: keyboards cannot be found, so runs of capitals are "
                                 "not counted");
    else if (devices->keyboardsFound() == 0)
        report << QStringLiteral("no keyboard found yet: runs of capitals are counted once one "
                                 "can be read");
    else
        report << QStringLiteral("the keyboards cannot be read (%1): runs of capitals are not "
                                 "counted until keyboard access is allowed in Keyvigil's "
                                 "settings window")
                      .arg(devices->openProblem());

    resume = std::make_unique<ResumeWatcher>([this] {
        if (keystate)
            keystate->fetchStates();
        if (locksFromDevices)
            devices->rereadLeds();
        if (lights)
            lights->read();
    });
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &repeatWake,
                         [this] { serviceRepeats(); });
    masks = keyboard.modifierMasks();
    updateModifierWord();
}

void WaylandEventMonitor::Private::keymapReceived(const char* text, std::size_t length) {
    if (!keyboard.loadKeymapText(text, length)) {
        qCWarning(programLog, "the compositor's keymap does not compile: the characters typed "
                              "follow the last usable one");
        return;
    }
    masks = keyboard.modifierMasks();
    keyboard.setLockedMods(lockedMods());
    updateModifierWord();
}

unsigned WaylandEventMonitor::Private::lockedMods() const {
    return (locks.capsLock ? lockBit : 0u) | (locks.numLock ? masks.numLock : 0u);
}

void WaylandEventMonitor::Private::locksChanged(const LockState& state) {
    locks = state;
    keyboard.setLockedMods(lockedMods());
    updateModifierWord();
}

void WaylandEventMonitor::Private::keyChanged(unsigned keycode, bool down) {
    keyboard.updateKey(keycode, down);
    // A lock key's own effect waits for the session's word on it.
    keyboard.setLockedMods(lockedMods());
    if (down) {
        repeater.keyPressed(keycode, KeyRepeater::Clock::now());
        if (!keyboard.isModifierKey(keycode))
            deliver(kEventRawKeyDown, true, keycode);
    } else {
        repeater.keyReleased(keycode);
    }
    updateModifierWord();
}

void WaylandEventMonitor::Private::updateModifierWord() {
    const std::uint32_t word =
        composeModifierWord(keyboard.effectiveMods(), keyboard.lockedMods(), masks);
    if (word == modifierWord)
        return;
    modifierWord = word;
    deliver(kEventRawKeyModifiersChanged, false, 0);
}

void WaylandEventMonitor::Private::serviceRepeats() {
    if (!repeater.nextRepeat())
        return;
    if (repeatWake.isActive() && repeatWakeDue <= *repeater.nextRepeat())
        return;
    while (const unsigned keycode = repeater.takeDueRepeat(KeyRepeater::Clock::now())) {
        if (!keyboard.isModifierKey(keycode))
            deliver(kEventRawKeyRepeat, true, keycode);
    }
    if (const auto next = repeater.nextRepeat()) {
        const auto wait =
            std::chrono::ceil<std::chrono::milliseconds>(*next - KeyRepeater::Clock::now());
        repeatWake.start(std::max(wait, std::chrono::milliseconds(0)));
        repeatWakeDue = *next;
    }
}

void WaylandEventMonitor::Private::deliver(std::uint32_t kind, bool withCharacter,
                                           unsigned keycode) {
    // The character is looked up only for an event someone asked for.
    if (sink.wants(kind))
        sink.deliver(kind, modifierWord, withCharacter ? int(keyboard.characterByte(keycode)) : -1);
}

WaylandEventMonitor::WaylandEventMonitor(WaylandConnection& connection,
                                         WaylandCompositor compositor, bool locksFromOutside)
    : d(std::make_unique<Private>(connection, compositor, locksFromOutside)) {}

WaylandEventMonitor::~WaylandEventMonitor() = default;

void WaylandEventMonitor::installHandler(Handler handler, EventTypeSpec type) {
    d->sink.install(std::move(handler), type);
}

void WaylandEventMonitor::addEventType(EventTypeSpec type) {
    d->sink.add(type);
}

const QStringList& WaylandEventMonitor::report() const {
    return d->report;
}

void WaylandEventMonitor::reread() {
    if (d->keystate)
        d->keystate->fetchStates();
    if (d->locksFromDevices)
        d->devices->rereadLeds();
    if (d->lights)
        d->lights->read();
}

void WaylandEventMonitor::setLocks(const LockState& state) {
    if (state != d->locks)
        d->locksChanged(state);
}
