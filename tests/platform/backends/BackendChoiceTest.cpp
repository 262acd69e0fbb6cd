#include "platform/backends/BackendChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Server = BackendEntry::Server;

// A backend that can run when `works` says so of the session.
BackendEntry entry(const char* name, Server server,
                   std::function<bool(const DisplaySession&)> works) {
    return {QString::fromLatin1(name),
            server,
            QByteArray(name).toLower(),
            [works](const DisplaySession& session) {
                return works(session) ? QString() : QStringLiteral("cannot open the display");
            },
            {}};
}

bool hasX11(const DisplaySession& session) {
    return session.x11Display == QLatin1String(":0");
}

struct Case {
    const char* what;
    DisplaySession session;
    bool withWayland;
    BackendUse use;
    const char* chosen; // nullptr: none
    QStringList lines;
};

TEST(BackendChoiceTest, PicksTheBackendForTheSessionAndSaysWhyForEachOneSkipped) {
    const Case cases[] = {
        {"X11 session",
         {"x11", "", ":0", ""},
         false,
         BackendUse::Helper,
         "X11",
         {"using the X11 backend (display :0)"}},
        {"a session that does not say, with DISPLAY",
         {"", "", ":0", ""},
         false,
         BackendUse::Helper,
         "X11",
         {"using the X11 backend (display :0)"}},
        {"Wayland with Xwayland, no Wayland backend built",
         {"wayland", "wayland-0", ":0", "GNOME"},
         false,
         BackendUse::Helper,
         "X11",
         {"this build has no Wayland backend; trying X11 through Xwayland",
          "using the X11 backend (display :0)",
          "this is a Wayland session: only keys typed into X11 (Xwayland) windows are seen, and "
          "Caps Lock and Num Lock only while such a window has the focus"}},
        {"the window needs no keys",
         {"wayland", "wayland-0", ":0", ""},
         false,
         BackendUse::Window,
         "X11",
         {"this build has no Wayland backend; trying X11 through Xwayland",
          "using the X11 backend (display :0)"}},
        {"Wayland backend first in a Wayland session",
         {"wayland", "wayland-0", ":0", ""},
         true,
         BackendUse::Helper,
         "Wayland",
         {"using the Wayland backend (display wayland-0)"}},
        {"an X11 session never takes the Wayland backend",
         {"x11", "wayland-0", ":0", ""},
         true,
         BackendUse::Helper,
         "X11",
         {"using the X11 backend (display :0)"}},
        {"a display that cannot be opened",
         {"x11", "", ":99", ""},
         false,
         BackendUse::Helper,
         nullptr,
         {"no display server can be used (X11: cannot open the display)"}},
        {"Wayland without Xwayland",
         {"wayland", "wayland-0", "", ""},
         false,
         BackendUse::Helper,
         nullptr,
         {"no display server can be used (this build has no Wayland backend; X11: cannot open "
          "the display)"}},
        {"no display at all",
         {"tty", "", "", ""},
         false,
         BackendUse::Window,
         nullptr,
         {"no display server can be used (X11: cannot open the display)"}},
    };
    for (const Case& test : cases) {
        std::vector<BackendEntry> table{entry("X11", Server::X11, hasX11)};
        if (test.withWayland)
            table.insert(table.begin(),
                         entry("Wayland", Server::Wayland, [](const DisplaySession& s) {
                             return !s.waylandDisplay.isEmpty();
                         }));
        const BackendChoice choice = chooseBackend(test.session, table, test.use);
        EXPECT_EQ(choice.entry ? choice.entry->name : QString(), QString(test.chosen)) << test.what;
        EXPECT_EQ(choice.lines, test.lines) << test.what;
    }
}

TEST(BackendChoiceTest, ABuildWithoutBackendsSaysSo) {
    const BackendChoice choice =
        chooseBackend({"x11", "", ":0", ""}, std::span<const BackendEntry>(), BackendUse::Helper);
    EXPECT_EQ(choice.entry, nullptr);
    EXPECT_EQ(choice.lines,
              QStringList{"no display server can be used (this build has no X11 backend)"});
}

} // namespace
