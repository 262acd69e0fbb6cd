#include "platform/linux/X11EventMonitor.h"

#include "tests/platform/x11/XvfbTest.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

class X11EventMonitorTest : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped())
            return;
        monitor_ = std::make_unique<X11EventMonitor>();
        monitor_->installHandler(
            [this](const MonitorEvent& event) {
                events_.push_back(event);
                return eventNotHandledErr;
            },
            {kEventClassKeyboard, kEventRawKeyDown});
        monitor_->addEventType({kEventClassKeyboard, kEventRawKeyRepeat});
        monitor_->addEventType({kEventClassKeyboard, kEventRawKeyModifiersChanged});
    }

    void xdotool(const QStringList& arguments) {
        ASSERT_EQ(runTool(QStringLiteral("xdotool"), arguments), 0);
    }

    // The next event of that kind after the ones already seen. When none comes: a failure,
    // and an event whose fields match nothing a test expects.
    MonitorEvent next(std::uint32_t kind) {
        const auto found = [&] {
            return std::find_if(events_.begin() + std::ptrdiff_t(seen_), events_.end(),
                                [&](const MonitorEvent& e) { return e.eventKind == kind; });
        };
        if (!processEventsUntil([&] { return found() != events_.end(); })) {
            ADD_FAILURE() << "no event of kind " << kind;
            return {0, 0, false, 0xFFFFFFFF, false, 0xFF};
        }
        const auto event = found();
        seen_ = std::size_t(event - events_.begin()) + 1;
        return *event;
    }

    std::size_t count(std::uint32_t kind) const {
        return std::size_t(
            std::count_if(events_.begin(), events_.end(),
                          [&](const MonitorEvent& e) { return e.eventKind == kind; }));
    }

    std::unique_ptr<X11EventMonitor> monitor_;
    std::vector<MonitorEvent> events_;
    std::size_t seen_ = 0;
};

TEST_F(X11EventMonitorTest, CapsLockIsReportedAsLockedAndCapitalisesTypedLetters) {
    xdotool({"key", "Caps_Lock"});
    const MonitorEvent on = next(kEventRawKeyModifiersChanged);
    EXPECT_TRUE(on.hasModifiers);
    EXPECT_EQ(on.kmod, ModifierMask::capsLock);

    xdotool({"key", "a"});
    const MonitorEvent key = next(kEventRawKeyDown);
    EXPECT_TRUE(key.hasCharacter);
    EXPECT_EQ(key.kchr, 'A');
    EXPECT_EQ(key.kmod, ModifierMask::capsLock);

    // A monitor started with Caps Lock on reports nothing until the next change, which then
    // carries the lock along.
    X11EventMonitor late;
    std::vector<MonitorEvent> lateEvents;
    late.installHandler(
        [&](const MonitorEvent& event) {
            lateEvents.push_back(event);
            return eventNotHandledErr;
        },
        {kEventClassKeyboard, kEventRawKeyModifiersChanged});
    processEventsFor(100ms);
    EXPECT_TRUE(lateEvents.empty());
    xdotool({"key", "Shift_L"});
    ASSERT_TRUE(processEventsUntil([&] { return !lateEvents.empty(); }));
    EXPECT_EQ(lateEvents[0].kmod, ModifierMask::capsLock | ModifierMask::shift);
    processEventsUntil([&] { return lateEvents.size() == 2; });
    seen_ = events_.size();

    xdotool({"key", "Caps_Lock"});
    EXPECT_EQ(next(kEventRawKeyModifiersChanged).kmod, 0u);
    // The lock key itself is no key press.
    EXPECT_EQ(count(kEventRawKeyDown), 1u);
}

TEST_F(X11EventMonitorTest, HeldModifiersAndNumLockComposeTheModifierWord) {
    // Shift types the capital, Control the control character.
    const struct {
        const char* key;
        std::uint32_t bit;
        std::uint8_t character;
    } held[] = {{"Shift_L", ModifierMask::shift, 'B'},
                {"Control_L", ModifierMask::control, 0x02},
                {"Alt_L", ModifierMask::option, 'b'},
                {"Super_L", ModifierMask::command, 'b'}};
    for (const auto& modifier : held) {
        SCOPED_TRACE(modifier.key);
        xdotool({"keydown", modifier.key});
        EXPECT_EQ(next(kEventRawKeyModifiersChanged).kmod, modifier.bit);
        xdotool({"key", "b"});
        const MonitorEvent key = next(kEventRawKeyDown);
        EXPECT_EQ(key.kmod, modifier.bit);
        EXPECT_EQ(key.kchr, modifier.character);
        xdotool({"keyup", modifier.key});
        EXPECT_EQ(next(kEventRawKeyModifiersChanged).kmod, 0u);
    }
    EXPECT_EQ(count(kEventRawKeyDown), 4u);

    xdotool({"key", "Num_Lock"});
    EXPECT_EQ(next(kEventRawKeyModifiersChanged).kmod, ModifierMask::numLock);
    xdotool({"key", "Num_Lock"});
    EXPECT_EQ(next(kEventRawKeyModifiersChanged).kmod, 0u);
}

TEST_F(X11EventMonitorTest, HeldKeyRepeatsAtTheKeyboardRateUntilReleased) {
    ASSERT_EQ(runTool(QStringLiteral("xset"), {"r", "rate", "200", "30"}), 0);
    processEventsFor(100ms); // the monitor reads the new controls

    xdotool({"keydown", "Shift_L"});
    processEventsFor(400ms);
    xdotool({"keydown", "c"});
    ASSERT_TRUE(processEventsUntil([&] { return count(kEventRawKeyRepeat) >= 3; }));
    xdotool({"keyup", "c"});
    xdotool({"keyup", "Shift_L"});
    processEventsFor(100ms);
    const std::size_t repeats = count(kEventRawKeyRepeat);
    processEventsFor(300ms);
    EXPECT_EQ(count(kEventRawKeyRepeat), repeats);

    for (const MonitorEvent& e : events_) {
        if (e.eventKind == kEventRawKeyRepeat) {
            EXPECT_EQ(e.kchr, 'C');
            EXPECT_EQ(e.kmod, ModifierMask::shift);
        }
    }
    // Shift, held first, never repeated.
    EXPECT_EQ(count(kEventRawKeyDown), 1u);

    ASSERT_EQ(runTool(QStringLiteral("xset"), {"r", "off"}), 0);
    processEventsFor(100ms);
    xdotool({"keydown", "c"});
    processEventsFor(500ms);
    xdotool({"keyup", "c"});
    processEventsFor(50ms);
    EXPECT_EQ(count(kEventRawKeyRepeat), repeats);
}

TEST_F(X11EventMonitorTest, CharactersFollowKeymapChanges) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const KeyCode key = XKeysymToKeycode(display, XK_q);
    const auto typeAs = [&](KeySym keysym) {
        KeySym keysyms[] = {keysym, keysym};
        XChangeKeyboardMapping(display, key, 2, keysyms, 1);
        XSync(display, False);
        processEventsFor(100ms);
        XTestFakeKeyEvent(display, key, True, 0);
        XTestFakeKeyEvent(display, key, False, 0);
        XSync(display, False);
        return next(kEventRawKeyDown).kchr;
    };
    EXPECT_EQ(typeAs(XK_eacute), 0xE9);
    EXPECT_EQ(typeAs(XK_EuroSign), 0x1A);
    EXPECT_EQ(typeAs(XK_F5), 0x10);

    // A whole new keymap: the German layout swaps Y and Z.
    const KeyCode y = XKeysymToKeycode(display, XK_y);
    ASSERT_EQ(runTool(QStringLiteral("setxkbmap"), {"-layout", "de"}), 0);
    processEventsFor(200ms);
    XTestFakeKeyEvent(display, y, True, 0);
    XTestFakeKeyEvent(display, y, False, 0);
    XSync(display, False);
    EXPECT_EQ(next(kEventRawKeyDown).kchr, 'z');
    XCloseDisplay(display);
}

} // namespace
