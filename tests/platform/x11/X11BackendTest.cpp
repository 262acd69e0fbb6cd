// The X11 backend against a private Xvfb: the keyboard monitor, the front process and display
// changes.
#include "platform/x11/X11DisplayReconfiguration.h"
#include "platform/x11/X11EventMonitor.h"
#include "platform/x11/X11FrontProcess.h"
#include "platform/x11/X11ModifierMasks.h"

#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbTest.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

// Before Xlib, whose macros (None, Bool) would replace the test framework's names.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <unistd.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

EventMonitor::Handler recordInto(std::vector<MonitorEvent>& events) {
    return [&events](const MonitorEvent& event) {
        events.push_back(event);
        return eventNotHandledErr;
    };
}

class X11EventMonitorTest : public XvfbTest {
protected:
    X11EventMonitorTest() {
        monitor_.installHandler(recordInto(events_), {kEventClassKeyboard, kEventRawKeyDown});
        monitor_.addEventType({kEventClassKeyboard, kEventRawKeyRepeat});
        monitor_.addEventType({kEventClassKeyboard, kEventRawKeyModifiersChanged});
    }

    void xdotool(const QStringList& arguments) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
    }

    // The next event of that kind after those already taken; when none comes, a failure and
    // an event that matches nothing a test expects.
    MonitorEvent next(std::uint32_t kind) {
        const auto found = [&] {
            return std::ranges::find(events_.begin() + std::ptrdiff_t(taken_), events_.end(), kind,
                                     &MonitorEvent::eventKind);
        };
        if (!processEventsUntil([&] { return found() != events_.end(); })) {
            ADD_FAILURE() << "no event of kind " << kind;
            return {0, 0, false, 0xFFFFFFFF, false, 0xFF};
        }
        taken_ = std::size_t(found() - events_.begin()) + 1;
        return events_[taken_ - 1];
    }

    std::size_t count(std::uint32_t kind) const {
        return std::size_t(std::ranges::count(events_, kind, &MonitorEvent::eventKind));
    }

    std::vector<MonitorEvent> events_;
    X11EventMonitor monitor_;
    std::size_t taken_ = 0;
};

// A lock counts from the press that locks it to the one that unlocks it, a modifier while held;
// a monitor started meanwhile knows it from its first key.
TEST_F(X11EventMonitorTest, LocksAndHeldModifiersComposeTheWordAndChangeTheCharacters) {
    const struct {
        const char *modifier, *key;
        bool locks;
        std::uint32_t bit;
        std::uint8_t on, off;
    } rows[] = {{"Caps_Lock", "a", true, ModifierMask::capsLock, 'A', 'a'},
                {"Num_Lock", "KP_End", true, ModifierMask::numLock, '1', 0x04},
                {"Shift_L", "b", false, ModifierMask::shift, 'B', 'b'},
                {"Control_L", "b", false, ModifierMask::control, 0x02, 'b'},
                {"Alt_L", "b", false, ModifierMask::option, 'b', 'b'},
                {"Super_L", "b", false, ModifierMask::command, 'b', 'b'}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.modifier);
        xdotool({row.locks ? "key" : "keydown", row.modifier});
        const MonitorEvent on = next(kEventRawKeyModifiersChanged);
        EXPECT_TRUE(on.hasModifiers);
        EXPECT_EQ(on.kmod, row.bit);

        std::vector<MonitorEvent> lateEvents;
        X11EventMonitor late;
        late.installHandler(recordInto(lateEvents), {kEventClassKeyboard, kEventRawKeyDown});
        xdotool({"key", row.key});
        ASSERT_TRUE(processEventsUntil([&] { return !lateEvents.empty(); }));
        for (const MonitorEvent& key : {next(kEventRawKeyDown), lateEvents[0]}) {
            EXPECT_TRUE(key.hasCharacter);
            EXPECT_EQ(key.kchr, row.on);
            EXPECT_EQ(key.kmod, row.bit);
        }

        xdotool({row.locks ? "key" : "keyup", row.modifier});
        EXPECT_EQ(next(kEventRawKeyModifiersChanged).kmod, 0u);
        xdotool({"key", row.key});
        EXPECT_EQ(next(kEventRawKeyDown).kchr, row.off);
    }
    // The modifier and lock keys are no key presses.
    EXPECT_EQ(count(kEventRawKeyDown), 2 * std::size(rows));
}

// Repeats are taken at least an interval apart and never once the server has the release, which
// bounds their number from above; a lost wake-up shows as far too few.
TEST_F(X11EventMonitorTest, HeldKeyRepeatsAtTheKeyboardRateUntilReleased) {
    constexpr auto delay = 200ms, interval = 25ms;
    ASSERT_EQ(QProcess::execute(QStringLiteral("xset"), {"r", "rate", "200", "40"}), 0);
    processEventsFor(100ms); // the monitor reads the new controls

    xdotool({"keydown", "Shift_L"});
    processEventsFor(400ms);
    EXPECT_EQ(count(kEventRawKeyRepeat), 0u); // a held modifier repeats nothing
    const auto beforePress = Clock::now();
    xdotool({"keydown", "c"});
    const auto pressed = Clock::now();
    processEventsFor(600ms);
    const auto beforeRelease = Clock::now();
    xdotool({"keyup", "c"});
    const auto released = Clock::now();
    const std::size_t repeats = count(kEventRawKeyRepeat);
    xdotool({"keyup", "Shift_L"});
    processEventsFor(300ms);

    EXPECT_EQ(count(kEventRawKeyRepeat), repeats) << "repeated after the release";
    EXPECT_LE(repeats, std::size_t((released - beforePress - delay) / interval) + 1);
    EXPECT_GE(repeats, std::size_t((beforeRelease - pressed - delay) / interval) / 2);
    for (const MonitorEvent& e : events_) {
        if (e.eventKind == kEventRawKeyRepeat) {
            EXPECT_EQ(e.kchr, 'C');
            EXPECT_EQ(e.kmod, ModifierMask::shift);
        }
    }
    EXPECT_EQ(count(kEventRawKeyDown), 1u);

    ASSERT_EQ(QProcess::execute(QStringLiteral("xset"), {"r", "off"}), 0);
    processEventsFor(100ms);
    xdotool({"keydown", "c"});
    processEventsFor(500ms);
    xdotool({"keyup", "c"});
    processEventsFor(50ms);
    EXPECT_EQ(count(kEventRawKeyRepeat), repeats);
}

// A burst sent while the monitor is busy elsewhere arrives whole, and leaves no queue behind:
// each event is freed once handled, so the heap ends about where it started.
TEST_F(X11EventMonitorTest, BurstIsDeliveredWholeAndLeavesNoQueueBehind) {
    constexpr int taps = 3000;
    const KeyCode key = XKeysymToKeycode(display_, XK_a);
    events_.reserve(taps + 16);
    processEventsFor(50ms);
    const std::size_t heapBefore = mallinfo2().uordblks;
    for (int i = 0; i < taps; ++i) {
        XTestFakeKeyEvent(display_, key, True, 0);
        XTestFakeKeyEvent(display_, key, False, 0);
    }
    XSync(display_, False);

    EXPECT_TRUE(processEventsUntil([&] { return count(kEventRawKeyDown) >= taps; }, 10s));
    processEventsFor(50ms);
    EXPECT_EQ(count(kEventRawKeyDown), std::size_t(taps));
    EXPECT_TRUE(std::ranges::all_of(events_, [](const MonitorEvent& e) { return e.kchr == 'a'; }));
    // Queued in Xlib, the burst would keep a node of 224 bytes per event it ever held at once.
    const auto grown = std::ptrdiff_t(mallinfo2().uordblks) - std::ptrdiff_t(heapBefore);
    EXPECT_LT(grown, 256 * 1024) << "heap grew by " << grown << " bytes";
}

// One key's mapping changed, then a whole new layout.
TEST_F(X11EventMonitorTest, CharactersAreLatin1AndFollowKeymapChanges) {
    const auto type = [&](KeyCode key) {
        XTestFakeKeyEvent(display_, key, True, 0);
        XTestFakeKeyEvent(display_, key, False, 0);
        XSync(display_, False);
        return next(kEventRawKeyDown).kchr;
    };
    const KeyCode q = XKeysymToKeycode(display_, XK_q);
    const std::pair<KeySym, std::uint8_t> rows[] = {{XK_eacute, 0xE9},  {XK_ydiaeresis, 0xFF},
                                                    {XK_Amacron, 0x1A}, {XK_EuroSign, 0x1A},
                                                    {XK_F5, 0x10},      {XK_Up, 0x1E}};
    for (auto [keysym, character] : rows) {
        SCOPED_TRACE(XKeysymToString(keysym));
        KeySym keysyms[] = {keysym, keysym};
        XChangeKeyboardMapping(display_, q, 2, keysyms, 1);
        XSync(display_, False);
        processEventsFor(100ms);
        EXPECT_EQ(type(q), character);
    }

    const KeyCode y = XKeysymToKeycode(display_, XK_y);
    ASSERT_EQ(QProcess::execute(QStringLiteral("setxkbmap"), {"-layout", "de"}), 0);
    processEventsFor(200ms);
    EXPECT_EQ(type(y), 'z'); // the German layout swaps Y and Z
}

// What the server cannot easily be brought to: Lock or Num Lock in the effective state alone
// (a Shift-Lock key held) is no lock, and a keymap may bind Num Lock and Super elsewhere.
TEST(X11ModifierWordTest, LocksCountOnlyWhenLockedAndFollowTheKeymapsModifiers) {
    const ModifierMasks usual, moved{.super = Mod5Mask, .alt = Mod1Mask, .numLock = Mod3Mask};
    const struct {
        unsigned effective, locked;
        const ModifierMasks& masks;
        std::uint32_t word;
    } rows[] = {
        {LockMask | Mod2Mask, 0, usual, 0},
        {Mod3Mask | Mod5Mask, Mod3Mask | Mod5Mask, usual, 0},
        {Mod3Mask | Mod5Mask, Mod3Mask, moved, ModifierMask::numLock | ModifierMask::command},
        {Mod2Mask | Mod4Mask, Mod2Mask, moved, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(composeModifierWord(row.effective, row.locked, row.masks), row.word)
            << "effective " << row.effective << ", locked " << row.locked;
}

using X11Test = XvfbTest;

TEST_F(X11Test, EachModeChangeIsReportedOnceAsModeSet) {
    X11DisplayReconfiguration reconfiguration;
    std::vector<std::uint32_t> flags;
    reconfiguration.registerReconfigurationCallback(
        [&](std::uint32_t, std::uint32_t changeFlags) { flags.push_back(changeFlags); });

    const QString xrandr = QStringLiteral("xrandr");
    ASSERT_EQ(QProcess::execute(xrandr, {"--newmode", "800x600_test", "40", "800", "840", "968",
                                         "1056", "600", "601", "605", "628"}),
              0);
    ASSERT_EQ(QProcess::execute(xrandr, {"--addmode", "screen", "800x600_test"}), 0);
    processEventsFor(200ms);
    EXPECT_TRUE(flags.empty()); // a mode added to the list sets nothing

    for (const char* mode : {"800x600_test", "1280x1024"}) {
        SCOPED_TRACE(mode);
        const std::size_t before = flags.size();
        ASSERT_EQ(QProcess::execute(xrandr, {"--output", "screen", "--mode", mode}), 0);
        ASSERT_TRUE(processEventsUntil([&] { return flags.size() > before; }));
        processEventsFor(200ms);
        ASSERT_EQ(flags.size(), before + 1);
        EXPECT_NE(flags.back() & kCGDisplaySetModeFlag, 0u);
    }
}

void setProperty(Display* display, Window window, const char* name, Atom type, long value) {
    XChangeProperty(display, window, XInternAtom(display, name, False), type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
    XSync(display, False);
}

// A window without _NET_WM_PID is traced to its client through the X-Resource extension.
TEST_F(X11Test, FrontProcessNameIsTheActiveWindowsOwnerAndNullWithoutOne) {
    const Window root = DefaultRootWindow(display_);
    X11FrontProcess front;
    EXPECT_EQ(front.frontProcessName(), nullptr);

    const QString self = QFileInfo(QFile::symLinkTarget("/proc/self/exe")).fileName();
    for (const bool withPid : {true, false}) {
        SCOPED_TRACE(withPid ? "with _NET_WM_PID" : "without _NET_WM_PID");
        const Window window = XCreateSimpleWindow(display_, root, 0, 0, 10, 10, 0, 0, 0);
        if (withPid)
            setProperty(display_, window, "_NET_WM_PID", XA_CARDINAL, getpid());
        setProperty(display_, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, long(window));
        ASSERT_TRUE(processEventsUntil([&] { return front.frontProcessName() != nullptr; }));
        EXPECT_EQ(*front.frontProcessName(), self);

        setProperty(display_, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, None);
        EXPECT_TRUE(processEventsUntil([&] { return front.frontProcessName() == nullptr; }));
    }

    // A hint naming a window already gone with its program, as the settings window that started
    // the helper can be, names no process and is no protocol error, found at the start or later.
    static int xErrors = 0;
    QLoggingCategory::setFilterRules(QStringLiteral("keyvigil*.debug=true"));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
            xErrors += message.startsWith(QStringLiteral("X error")) ? 1 : 0;
        });
    Display* closing = XOpenDisplay(nullptr);
    ASSERT_NE(closing, nullptr);
    const Window gone = XCreateSimpleWindow(closing, root, 0, 0, 10, 10, 0, 0, 0);
    XCloseDisplay(closing);
    setProperty(display_, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, long(gone));
    X11FrontProcess atStart;
    processEventsFor(100ms);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules({});
    EXPECT_EQ(atStart.frontProcessName(), nullptr);
    EXPECT_EQ(front.frontProcessName(), nullptr);
    EXPECT_EQ(xErrors, 0);
}

} // namespace
