#include "platform/x11/X11OverlayWindows.h"

#include "platform/x11/OpaqueRectangles.h"
#include "platform/x11/WorkingScreen.h"
#include "platform/x11/X11Bell.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace {

// The window the window manager says is active; none without one or without such a manager.
Window activeWindow(Display* display, Window root) {
    const Atom property = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    Window window = None;
    if (XGetWindowProperty(display, root, property, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &remaining, &data) == Success &&
        data && type == XA_WINDOW && format == 32 && count == 1)
        window = Window(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return window;
}

// What the window paints, at the pixels of its native window.
QImage painted(QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

X11OverlayWindows::X11OverlayWindows(const char* displayName) : connection_(displayName) {
    compositor_.setChangedHandler([this] {
        for (const auto& [object, shape] : windows_) {
            auto* window = static_cast<QWidget*>(object);
            if (window->isVisible())
                reshape(*window);
        }
    });
}

void X11OverlayWindows::makeOverlay(QWidget& window, OverlayPlacement, bool clickThrough) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                            Qt::BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus;
    if (clickThrough)
        flags |= Qt::WindowTransparentForInput;
    window.setWindowFlags(flags);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setAttribute(Qt::WA_TransparentForMouseEvents, clickThrough);
    if (windows_.emplace(&window, Shape{}).second) {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, this,
                [this](QObject* object) { windows_.erase(object); });
    }
}

bool X11OverlayWindows::eventFilter(QObject* watched, QEvent* event) {
    // Shown: shaped before the server maps it. A repaint request: shaped before the new pixels
    // go out, for an indicator whose painted cells change.
    if (event->type() == QEvent::Show || event->type() == QEvent::UpdateRequest)
        reshape(*static_cast<QWidget*>(watched));
    return false;
}

void X11OverlayWindows::reshape(QWidget& window) {
    // Through the toolkit's connection, so that the shape reaches the server before the map
    // and the paint the toolkit sends next.
    Display* display = X11Bell::toolkitDisplay();
    const WId native = window.internalWinId();
    if (!display || !native)
        return;
    Shape& shape = windows_[&window];
    std::optional<std::vector<QRect>> wanted;
    if (!compositor_.running() && window.testAttribute(Qt::WA_TranslucentBackground))
        wanted = opaqueRectangles(painted(window));
    if (shape.window == native && shape.rectangles == wanted)
        return;
    if (wanted) {
        std::vector<XRectangle> rectangles;
        rectangles.reserve(wanted->size());
        for (const QRect& r : *wanted)
            rectangles.push_back(
                {short(r.x()), short(r.y()), ushort(r.width()), ushort(r.height())});
        XShapeCombineRectangles(display, native, ShapeBounding, 0, 0, rectangles.data(),
                                int(rectangles.size()), ShapeSet, YXBanded);
    } else {
        XShapeCombineMask(display, native, ShapeBounding, 0, 0, None, ShapeSet);
    }
    XFlush(display);
    shape = {native, std::move(wanted)};
}

QRect X11OverlayWindows::workingScreenGeometry() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    Display* display = connection_.display();
    if (screens.size() < 2 || !display || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const Window root = DefaultRootWindow(display);
    std::optional<QRect> active;
    if (const Window window = activeWindow(display, root)) {
        Window parent = None;
        Window child = None;
        int x = 0;
        int y = 0;
        unsigned width = 0;
        unsigned height = 0;
        unsigned border = 0;
        unsigned depth = 0;
        if (XGetGeometry(display, window, &parent, &x, &y, &width, &height, &border, &depth) &&
            XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child))
            active = QRect(x, y, int(width), int(height));
    }
    std::optional<QPoint> pointer;
    Window pointerRoot = None;
    Window child = None;
    int x = 0;
    int y = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned buttons = 0;
    if (XQueryPointer(display, root, &pointerRoot, &child, &x, &y, &windowX, &windowY, &buttons))
        pointer = QPoint(x, y);
    connection_.processPendingEvents();

    // The toolkit keeps a screen's top-left corner in the server's pixels and divides only its
    // size by the screen's scale.
    std::vector<QRect> native;
    for (const QScreen* screen : screens)
        native.emplace_back(screen->geometry().topLeft(),
                            screen->geometry().size() * screen->devicePixelRatio());
    const int chosen = workingScreen(native, active, pointer);
    return chosen < 0 ? QRect() : screens[chosen]->availableGeometry();
}
