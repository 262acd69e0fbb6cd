#include "platform/MonitorEvent.h"
#include "platform/wayland/EvdevDecoder.h"
#include "platform/wayland/SwayFrontProcess.h"
#include "platform/wayland/WaylandCompositor.h"
#include "platform/xkb/ModifierWord.h"
#include "platform/xkb/XkbKeyboard.h"

#include "platform/desktop/ProcessName.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>
#include <linux/input.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <vector>

namespace {

input_event record(unsigned type, unsigned code, int value) {
    input_event event{};
    event.type = std::uint16_t(type);
    event.code = std::uint16_t(code);
    event.value = value;
    return event;
}

const input_event report = record(EV_SYN, SYN_REPORT, 0);

struct Decoded {
    std::vector<std::pair<unsigned, bool>> keys;
    std::vector<LockState> leds;
    int resyncs = 0;
    EvdevDecoder decoder{{[this](unsigned code, bool down) { keys.emplace_back(code, down); },
                          [this](const LockState& state) { leds.push_back(state); },
                          [this] { ++resyncs; }}};
};

TEST(EvdevDecoderTest, KeysLightsAndDroppedRecords) {
    Decoded d;
    const input_event stream[] = {
        // A press, the kernel's own repeat (ignored) and the release; codes as the keymap has them.
        record(EV_KEY, KEY_A, 1), report, record(EV_KEY, KEY_A, 2), report,
        record(EV_KEY, KEY_A, 0), report,
        // Both lights in one report change once.
        record(EV_LED, LED_CAPSL, 1), record(EV_LED, LED_NUML, 1), report,
        // Records lost: everything up to the next report goes, then the owner reads afresh.
        record(EV_SYN, SYN_DROPPED, 0), record(EV_KEY, KEY_B, 1), record(EV_LED, LED_CAPSL, 0),
        report, record(EV_KEY, KEY_C, 1), report};
    d.decoder.decode(stream, std::size(stream));
    EXPECT_EQ(d.keys, (std::vector<std::pair<unsigned, bool>>{
                          {KEY_A + 8, true}, {KEY_A + 8, false}, {KEY_C + 8, true}}));
    ASSERT_EQ(d.leds.size(), 1u);
    EXPECT_EQ(d.leds[0], (LockState{true, true}));
    EXPECT_EQ(d.resyncs, 1);
    // A light read afresh is said once, and only when it differs.
    d.decoder.setLeds({true, true});
    d.decoder.setLeds({false, true});
    EXPECT_EQ(d.leds.size(), 2u);
}

TEST(WaylandCompositorTest, ToldByTheGlobalsOnlyThatCompositorOffers) {
    const struct {
        std::vector<QByteArray> globals;
        WaylandCompositor expected;
    } cases[] = {
        // sway offers KWin's older interfaces too; KWin offers wlroots' layer shell.
        {{"wl_seat", "org_kde_kwin_idle", "org_kde_kwin_server_decoration_manager",
          "zwlr_layer_shell_v1"},
         WaylandCompositor::Wlroots},
        {{"wl_seat", "zwlr_layer_shell_v1", "org_kde_plasma_shell", "org_kde_kwin_keystate"},
         WaylandCompositor::KWin},
        {{"wl_seat", "gtk_shell1", "xdg_wm_base"}, WaylandCompositor::Gnome},
        {{"wl_seat", "weston_desktop_shell"}, WaylandCompositor::Other},
    };
    for (const auto& test : cases)
        EXPECT_EQ(identifyCompositor(test.globals), test.expected) << test.globals.back().data();
}

TEST(SwayFrontProcessTest, TheFocusedWindowsPidFromTheTreeAndFromFocusEvents) {
    const QByteArray tree = R"({"focused": false, "nodes": [
        {"focused": false, "nodes": [{"focused": false, "pid": 10, "nodes": []}],
         "floating_nodes": [{"focused": true, "pid": 42, "nodes": []}]}]})";
    EXPECT_EQ(SwayFrontProcess::focusedPid(tree, false), 42);
    // An empty workspace in front: no window, no pid.
    EXPECT_EQ(SwayFrontProcess::focusedPid(R"({"nodes": [{"focused": true, "nodes": []}]})", false),
              std::nullopt);
    EXPECT_EQ(SwayFrontProcess::focusedPid(
                  R"({"change": "focus", "container": {"pid": 7, "focused": true}})", true),
              7);
    EXPECT_EQ(SwayFrontProcess::focusedPid(R"({"change": "title", "container": {"pid": 7}})", true),
              std::nullopt);
    EXPECT_EQ(SwayFrontProcess::focusedPid("not json", true), std::nullopt);
}

// Over a socket that stands for sway's: the two requests go out at start, a reply split across
// reads is put together, and a message that is not sway's ends the connection.
TEST(SwayFrontProcessTest, FollowsTheFocusedWindowOverTheSocket) {
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("sway.sock")));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 1), 0);

    SwayFrontProcess front(QString::fromLocal8Bit(path));
    ASSERT_TRUE(front.isConnected());
    const int peer = ::accept(server, nullptr, nullptr);
    QByteArray requests(14 + 10 + 14, '\0');
    ASSERT_EQ(::recv(peer, requests.data(), size_t(requests.size()), MSG_WAITALL), requests.size());
    EXPECT_EQ(requests.mid(14, 10), QByteArray("[\"window\"]"));
    EXPECT_TRUE(requests.mid(24).startsWith("i3-ipc"));

    auto message = [](quint32 type, const QByteArray& payload) {
        const quint32 header[2] = {quint32(payload.size()), type};
        return QByteArray("i3-ipc") + QByteArray(reinterpret_cast<const char*>(header), 8) +
               payload;
    };
    auto settle = [&](auto done) {
        for (QDeadlineTimer deadline(3000); !done() && !deadline.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return done();
    };
    const QByteArray reply = message(
        4, QStringLiteral(R"({"nodes": [{"focused": true, "pid": %1}]})").arg(::getpid()).toUtf8());
    ASSERT_EQ(::write(peer, reply.constData(), 9), 9);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(front.frontProcessName(), nullptr);
    ASSERT_EQ(::write(peer, reply.constData() + 9, size_t(reply.size() - 9)), reply.size() - 9);
    ASSERT_TRUE(settle([&] { return front.frontProcessName() != nullptr; }));
    EXPECT_EQ(*front.frontProcessName(), executableNameOfProcess(::getpid()));

    ASSERT_EQ(::write(peer, "not sway's message", 18), 18);
    EXPECT_TRUE(settle([&] { return !front.isConnected(); }));
    ::close(peer);
    ::close(server);
}

// The compositor's keymap as it arrives: a German layout types Z where US types Y, and the
// modifier masks come from the keymap's own modifier map.
TEST(XkbKeyboardTest, CharactersAndModifiersFollowTheCompositorsKeymap) {
    XkbKeyboard us;
    ASSERT_TRUE(us.loadNamedKeymap("us"));
    XkbKeyboard german;
    ASSERT_TRUE(german.loadNamedKeymap("de"));
    constexpr unsigned keyY = KEY_Y + 8;
    EXPECT_EQ(us.characterByte(keyY), 'y');
    EXPECT_EQ(german.characterByte(keyY), 'z');

    const ModifierMasks masks = us.modifierMasks();
    EXPECT_EQ(masks.alt, 1u << 3);
    EXPECT_EQ(masks.super, 1u << 6);
    EXPECT_EQ(masks.numLock, 1u << 4);

    // Caps Lock comes from the session, not from the key: the key alone changes nothing.
    us.updateKey(KEY_CAPSLOCK + 8, true);
    us.updateKey(KEY_CAPSLOCK + 8, false);
    us.setLockedMods(0);
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'a');
    us.setLockedMods(1u << 1);
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'A');
    us.updateKey(KEY_LEFTSHIFT + 8, true);
    EXPECT_EQ(composeModifierWord(us.effectiveMods(), us.lockedMods(), masks),
              ModifierMask::shift | ModifierMask::capsLock);
    EXPECT_TRUE(us.isModifierKey(KEY_LEFTSHIFT + 8));
    // Worked out once per state: Shift over Caps Lock types the small letter, and not after.
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'a');
    EXPECT_FALSE(us.isModifierKey(KEY_A + 8));
    us.updateKey(KEY_LEFTSHIFT + 8, false);
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'A');
    us.updateState(1u << 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'A');
    us.updateState(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'a');
    us.setLockedMods(1u << 1);

    // A keymap that does not compile keeps the one there, even one that crashes the system's
    // parser (tried in a child process).
    const char broken[] = "xkb_keymap { nonsense";
    EXPECT_FALSE(us.loadKeymapText(broken, sizeof broken));
    QFile crashing(QStringLiteral(KEYVIGIL_TEST_DATA "/fuzz-wayland/keymap-parser-crash"));
    ASSERT_TRUE(crashing.open(QIODevice::ReadOnly));
    const QByteArray keymap = crashing.readAll().mid(1); // the fuzzer's reader byte goes
    EXPECT_FALSE(us.loadKeymapText(keymap.constData(), std::size_t(keymap.size())));
    EXPECT_EQ(us.characterByte(KEY_A + 8), 'A');
    ASSERT_TRUE(us.loadNamedKeymap("de"));
    EXPECT_EQ(us.characterByte(keyY), 'z');
}

} // namespace
