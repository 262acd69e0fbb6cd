// The indicator windows on a private Xvfb, looked at from a connection of the test's own.
#include "platform/x11/X11OverlayWindows.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbTest.h"
#include "tests/platform/x11/PanelPicture.h"

#include <gtest/gtest.h>

// After the test framework, whose names Xlib's macros (None, Bool) would replace.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include "tests/platform/x11/RootPixels.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <memory>

using namespace std::chrono_literals;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

class X11OverlayWindowsTest : public XvfbTest {
protected:
    // Our indicator windows, bottom to top.
    std::vector<Window> ourWindows() {
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned count = 0;
        std::vector<Window> found;
        XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            XClassHint hint{};
            if (XGetClassHint(display_, children[i], &hint)) {
                if (std::strcmp(hint.res_class, "Keyvigil Helper") == 0)
                    found.push_back(children[i]);
                XFree(hint.res_name);
                XFree(hint.res_class);
            }
        }
        if (children)
            XFree(children);
        return found;
    }

    QRect geometry(Window window) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window, &attributes);
        return {attributes.x, attributes.y, attributes.width, attributes.height};
    }

    // An opaque window of the test's own, in one colour.
    Window paint(const QRect& area, std::uint32_t argb) {
        const Window window =
            XCreateSimpleWindow(display_, DefaultRootWindow(display_), area.x(), area.y(),
                                unsigned(area.width()), unsigned(area.height()), 0, 0, argb);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        XChangeWindowAttributes(display_, window, CWOverrideRedirect, &attributes);
        XMapRaised(display_, window);
        XSync(display_, False);
        return window;
    }
};

// Never managed nor focused, raised at each showing, clicks let through only where asked (the
// Num Lock picture may be clicked away, the flash may not be); a move by someone else is told.
TEST_F(X11OverlayWindowsTest, IndicatorsBypassTheWindowManagerStayAboveAndLetClicksThrough) {
    X11OverlayWindows overlays;
    const PanelPicture picture({40, 30}, kRed);
    for (const bool clickThrough : {true, false}) {
        SCOPED_TRACE(clickThrough ? "click-through" : "clickable");
        auto overlay = overlays.makeOverlay(picture, OverlayPlacement::Centre, clickThrough);
        EXPECT_TRUE(ourWindows().empty()) << "made only when first shown";
        overlay->show({30, 40});
        XSync(overlays.display(), False);
        ASSERT_EQ(ourWindows().size(), 1u);
        const Window window = ourWindows().front();
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window, &attributes);
        EXPECT_TRUE(attributes.override_redirect);
        EXPECT_EQ(attributes.map_state, IsViewable);
        EXPECT_EQ(geometry(window), QRect(30, 40, 40, 30));
        XWMHints* hints = XGetWMHints(display_, window);
        ASSERT_NE(hints, nullptr);
        EXPECT_TRUE(hints->flags & InputHint);
        EXPECT_FALSE(hints->input);
        XFree(hints);
        // The toolkit's types, which compositors give no tooltip's or notice's effects.
        Atom type = None;
        int format = 0;
        unsigned long items = 0, left = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display_, window, XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False), 0,
                           4, False, XA_ATOM, &type, &format, &items, &left, &data);
        ASSERT_EQ(items, 2u);
        EXPECT_EQ(reinterpret_cast<Atom*>(data)[0],
                  XInternAtom(display_, "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE", False));
        XFree(data);
        int count = 0;
        int ordering = 0;
        XRectangle* input = XShapeGetRectangles(display_, window, ShapeInput, &count, &ordering);
        EXPECT_EQ(count == 0, clickThrough);
        if (input)
            XFree(input);

        const Window other = paint({0, 0, 200, 200}, kBlue);
        overlay->show({30, 40});
        XSync(overlays.display(), False);
        EXPECT_EQ(ourWindows().back(), window) << "raised over a window mapped since";
        XDestroyWindow(display_, other);

        std::vector<QPoint> moves;
        overlay->setMovedHandler([&](QPoint at) { moves.push_back(at); });
        overlay->show({50, 60});
        // Our move first, which comes over another connection, and the events it brings.
        XSync(overlays.display(), False);
        processEventsFor(10ms);
        XMoveWindow(display_, window, 300, 200);
        XSync(display_, False);
        ASSERT_TRUE(processEventsUntil([&] { return !moves.empty(); }, 2s));
        EXPECT_EQ(moves, std::vector<QPoint>{QPoint(300, 200)}) << "our own move not told";

        overlay->hide();
        EXPECT_FALSE(overlay->isVisible());
        XSync(overlays.display(), False);
        XGetWindowAttributes(display_, window, &attributes);
        EXPECT_EQ(attributes.map_state, IsUnmapped);
        overlay.reset();
        XSync(overlays.display(), False);
        EXPECT_TRUE(ourWindows().empty());
    }
}

// Xft.dpi 192 doubles every size, as the toolkit did: the screen in points, the windows and their
// pictures in pixels, the top edge grabbed; the toolkit's scale factor multiplies on top.
TEST_F(X11OverlayWindowsTest, ScaleFollowsTheResourcesDpi) {
    const char resources[] = "Xft.antialias:\t1\nXft.dpi:\t192\n";
    const Window root = DefaultRootWindow(display_);
    XChangeProperty(display_, root, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(resources), int(sizeof resources - 1));
    XSync(display_, False);
    X11OverlayWindows overlays;
    qputenv("QT_SCALE_FACTOR", "1.5");
    X11OverlayWindows factor;
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    X11OverlayWindows unscaled;
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    XDeleteProperty(display_, root, XA_RESOURCE_MANAGER);
    XSync(display_, False);
    EXPECT_EQ(overlays.scale(), 2.0);
    EXPECT_EQ(factor.scale(), 3.0);
    EXPECT_EQ(unscaled.scale(), 1.0);
    EXPECT_EQ(overlays.screenGeometry(), QRect(0, 0, 640, 512));

    const PanelPicture picture({20, 12}, 0xFF808080, {{{2, 2, 5, 4}, kRed}});
    auto overlay = overlays.makeOverlay(picture, OverlayPlacement::TopLeft, false);
    overlay->show({10, 10});
    XSync(overlays.display(), False);
    ASSERT_EQ(ourWindows().size(), 1u);
    EXPECT_EQ(geometry(ourWindows().front()), QRect(20, 20, 40, 24));
    const PixelImage shot = rootPixels(display_);
    EXPECT_EQ(shot.pixel(20 + 4, 20 + 4), kRed);
    EXPECT_EQ(shot.pixel(20 + 13, 20 + 11), kRed);
    EXPECT_EQ(shot.pixel(20 + 14, 20 + 12), 0xFF808080u);
    EXPECT_EQ(overlays.grabTopEdge(11).size(), QSize(1280, 22));
}

// A repaint is on the way from a key to the screen: the pixels, and the shape only when it
// changed, sent without waiting for any reply.
TEST_F(X11OverlayWindowsTest, ARepaintSendsThePixelsAndAChangedShapeOnly) {
    X11OverlayWindows overlays;
    PanelPicture picture({40, 20}, 0xFF404040, {{{3, 3, 10, 14}, kRed}});
    auto overlay = overlays.makeOverlay(picture, OverlayPlacement::TopLeft, false);
    const PixelImage below = rootPixels(display_);
    overlay->show({0, 0});
    XSync(overlays.display(), False);
    const auto requests = [&](const std::function<void()>& action) {
        const unsigned long before = NextRequest(overlays.display());
        const unsigned long processed = LastKnownRequestProcessed(overlays.display());
        action();
        EXPECT_EQ(LastKnownRequestProcessed(overlays.display()), processed) << "a round trip";
        return NextRequest(overlays.display()) - before;
    };
    picture.marks[0].argb = kBlue;
    EXPECT_EQ(requests([&] { overlay->repaint(); }), 1u);
    picture.marks[0].argb = 0x20000000; // a cell cut out of the shape
    EXPECT_EQ(requests([&] { overlay->repaint(); }), 2u);
    XSync(overlays.display(), False);
    EXPECT_EQ(rootPixels(display_).pixel(5, 5), below.pixel(5, 5)) << "the root shows through";
}

// A hidden picture keeps no pixels; shown again, it is drawn anew and its pixels go to the
// server once, not again at the exposure of the map.
TEST_F(X11OverlayWindowsTest, HidingFreesThePixelsAndAShowingPutsThemOnce) {
    X11OverlayWindows overlays;
    PanelPicture picture({600, 600}, kRed);
    auto overlay = overlays.makeOverlay(picture, OverlayPlacement::Centre, false);
    // The allocator's own count; a sanitizer's allocator keeps none.
    const auto inUse = [] { return mallinfo2().uordblks + mallinfo2().hblkhd; };
    const std::size_t before = inUse();
#if defined(__SANITIZE_ADDRESS__)
    constexpr bool counted = false;
#else
    constexpr bool counted = true;
#endif
    for (const std::uint32_t argb : {kRed, kBlue}) {
        picture.panel = argb;
        overlay->show({10, 10});
        XSync(overlays.display(), False);
        if (counted) {
            EXPECT_GE(inUse(), before + 600 * 600 * 4);
        }
        const unsigned long sent = NextRequest(overlays.display());
        processEventsFor(100ms);
        EXPECT_EQ(NextRequest(overlays.display()), sent) << "put again at the exposure";
        EXPECT_EQ(rootPixels(display_).pixel(300, 300), argb);
        overlay->hide();
        if (counted) {
            EXPECT_LT(inUse(), before + 600 * 600) << "the pixels kept while hidden";
        }
    }
}

// Without a display nothing is shown and no screen is known.
TEST_F(X11OverlayWindowsTest, WithoutADisplayEveryAnswerIsEmpty) {
    X11OverlayWindows overlays("nowhere:0");
    EXPECT_TRUE(overlays.screenGeometry().isEmpty());
    EXPECT_TRUE(overlays.availableScreenGeometry().isEmpty());
    EXPECT_TRUE(overlays.grabTopEdge(10).isNull());
    const PanelPicture picture({10, 10}, kRed);
    auto overlay = overlays.makeOverlay(picture, OverlayPlacement::TopLeft, false);
    overlay->show({0, 0});
    EXPECT_FALSE(overlay->isVisible());
}

// The top strip as shown, opaque, at the screen's pixels.
TEST_F(X11OverlayWindowsTest, TheTopEdgeIsGrabbedAsShown) {
    paint({0, 0, 640, 40}, kRed);
    paint({640, 0, 640, 40}, kBlue);
    X11OverlayWindows overlays;
    const PixelImage edge = overlays.grabTopEdge(22);
    ASSERT_EQ(edge.size(), QSize(1280, 22));
    EXPECT_EQ(edge.pixel(0, 0), kRed);
    EXPECT_EQ(edge.pixel(639, 21), kRed);
    EXPECT_EQ(edge.pixel(640, 0), kBlue);
    EXPECT_EQ(edge.pixel(1279, 21), kBlue);
    EXPECT_TRUE(overlays.grabTopEdge(0).isNull());
}

} // namespace
