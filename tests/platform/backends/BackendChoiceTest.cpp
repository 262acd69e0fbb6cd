#include "platform/backends/BackendChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Server = BackendEntry::Server;

// A backend that can run when the session names its display (":0" for X11).
BackendEntry entry(Server server) {
    const char* name = server == Server::X11 ? "X11" : "Wayland";
    return {QString::fromLatin1(name),
            server,
            QByteArray(name).toLower(),
            [server](const DisplaySession& session) {
                const bool works = server == Server::X11 ? session.x11Display == QLatin1String(":0")
                                                         : !session.waylandDisplay.isEmpty();
                return works ? QString() : QStringLiteral("cannot open the display");
            },
            {}};
}

TEST(BackendChoiceTest, PicksTheBackendForTheSessionAndSaysWhyForEachOneSkipped) {
    const QString x11 = "using the X11 backend (display :0)";
    const QString noWayland = "this build has no Wayland backend; trying X11 through Xwayland\n";
    const QString onlyXwayland =
        "\nthis is a Wayland session: only keys typed into X11 (Xwayland) windows are seen, and "
        "Caps Lock and Num Lock only while such a window has the focus";
    const QString none = "no display server can be used (";
    const auto session = [](const char* type, const char* wayland, const char* x11) {
        return DisplaySession{type, wayland, x11, "GNOME"};
    };
    constexpr auto helper = BackendUse::Helper, window = BackendUse::Window;
    const std::vector<Server> both{Server::Wayland, Server::X11}, onlyX11{Server::X11}, neither;
    const struct {
        const char* what;
        DisplaySession session;
        std::vector<Server> backends;
        BackendUse use;
        const char* chosen; // nullptr: none
        QString lines;
    } rows[] = {
        {"X11 session", session("x11", "", ":0"), onlyX11, helper, "X11", x11},
        {"a session that does not say, with DISPLAY", session("", "", ":0"), onlyX11, helper, "X11",
         x11},
        {"Wayland with Xwayland, no Wayland backend built", session("wayland", "wayland-0", ":0"),
         onlyX11, helper, "X11", noWayland + x11 + onlyXwayland},
        {"the window needs no keys", session("wayland", "wayland-0", ":0"), onlyX11, window, "X11",
         noWayland + x11},
        {"Wayland backend first in a Wayland session", session("wayland", "wayland-0", ":0"), both,
         helper, "Wayland", "using the Wayland backend (display wayland-0)"},
        {"a Wayland backend that cannot run, then X11", session("wayland", "", ":0"), both, helper,
         "X11", "cannot use the Wayland backend: cannot open the display\n" + x11 + onlyXwayland},
        {"an X11 session never takes the Wayland backend", session("x11", "wayland-0", ":0"), both,
         helper, "X11", x11},
        {"a display that cannot be opened", session("x11", "", ":99"), onlyX11, helper, nullptr,
         none + "X11: cannot open the display)"},
        {"Wayland without Xwayland", session("wayland", "wayland-0", ""), onlyX11, helper, nullptr,
         none + "this build has no Wayland backend; X11: cannot open the display)"},
        {"a build without backends", session("x11", "", ":0"), neither, helper, nullptr,
         none + "this build has no X11 backend)"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<BackendEntry> table;
        for (const Server server : row.backends)
            table.push_back(entry(server));
        const BackendChoice choice = chooseBackend(row.session, table, row.use);
        EXPECT_EQ(choice.entry ? choice.entry->name : QString(), QString(row.chosen));
        EXPECT_EQ(choice.lines.join('\n'), row.lines);
    }
}

} // namespace
