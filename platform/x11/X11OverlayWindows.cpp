#include "platform/x11/X11OverlayWindows.h"

#include "platform/x11/OpaqueRectangles.h"
#include "platform/x11/WorkingScreen.h"
#include "shared/ProgramLog.h"

#include <QByteArrayList>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

// Brings Xlib, whose macros (Bool, Status) the Qt headers must come before.
#include "platform/x11/XPixels.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

int scaled(int points, double scale) {
    return int(std::lround(points * scale));
}

// Xft.dpi from the resources the server keeps for the session; 0 where none is set.
double resourceDpi(Display* display) {
    const char* resources = XResourceManagerString(display);
    if (!resources)
        return 0;
    const QByteArrayList lines = QByteArray(resources).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "Xft.dpi") {
            bool ok = false;
            const double dpi = line.mid(colon + 1).trimmed().toDouble(&ok);
            return ok && dpi > 0 ? dpi : 0;
        }
    }
    return 0;
}

// A 32-bit window property's values; empty where it is not set.
std::vector<long> cardinals(Display* display, ::Window window, const char* name, Atom type,
                            long count) {
    Atom actual = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, count, False,
                           type, &actual, &format, &items, &remaining, &data) == Success &&
        data && actual == type && format == 32) {
        const auto* words = reinterpret_cast<const long*>(data);
        values.assign(words, words + items);
    }
    if (data)
        XFree(data);
    return values;
}

} // namespace

class X11OverlayWindows::Overlay final : public OverlayWindow {
public:
    Overlay(X11OverlayWindows& owner, const OverlayPicture& picture, OverlayPlacement placement,
            bool clickThrough)
        : owner_(owner), picture_(picture), placement_(placement), clickThrough_(clickThrough) {
        owner_.overlays_.push_back(this);
    }
    ~Overlay() override {
        destroy();
        std::erase(owner_.overlays_, this);
        if (Display* display = owner_.display())
            XFlush(display);
    }

    void show(QPoint topLeft) override {
        Display* display = owner_.display();
        if (!display)
            return;
        shownAt_ = topLeft;
        const QPoint at = owner_.toPixels(topLeft);
        if (!window_) {
            create(at);
        } else if (at != position_ || pictureSize() != image_.size()) {
            moveSerial_ = NextRequest(display);
            XMoveResizeWindow(display, window_, at.x(), at.y(), unsigned(pictureSize().width()),
                              unsigned(pictureSize().height()));
        }
        position_ = at;
        draw();
        XMapRaised(display, window_);
        put();
        XFlush(display);
        visible_ = true;
    }

    void hide() override {
        if (!visible_)
            return;
        visible_ = false;
        XUnmapWindow(owner_.display(), window_);
        XFlush(owner_.display());
        // A hidden centre picture would keep megabytes; drawn again at the next showing.
        dropImage();
        image_ = PixelImage();
    }

    bool isVisible() const override { return visible_; }

    void repaint() override {
        if (!visible_)
            return;
        Display* display = owner_.display();
        if (pictureSize() != image_.size())
            XResizeWindow(display, window_, unsigned(pictureSize().width()),
                          unsigned(pictureSize().height()));
        draw();
        put();
        XFlush(display);
    }

    void setMovedHandler(std::function<void(QPoint)> handler) override {
        moved_ = std::move(handler);
    }

    unsigned long window() const { return window_; }

    // The compositor started or stopped: the window made anew with the visual that fits.
    void remake() {
        if (!window_)
            return;
        destroy();
        if (visible_)
            show(shownAt_);
    }

    void handleEvent(const XEvent& event) {
        // The exposure of our own map comes before the put that followed it: the pixels are
        // there already.
        if (event.type == Expose && event.xexpose.count == 0 && visible_ &&
            event.xexpose.serial >= putSerial_) {
            put();
        } else if (event.type == ConfigureNotify) {
            // Our own moves, the latest included, are where we put the window; an older move
            // of ours reported late comes before the latest's request.
            const QPoint at(event.xconfigure.x, event.xconfigure.y);
            if (event.xconfigure.serial < moveSerial_ || at == position_)
                return;
            position_ = at;
            if (moved_)
                moved_(owner_.toPoints(at));
        }
    }

private:
    QSize pictureSize() const {
        const QSize points = picture_.size();
        return {std::max(1, scaled(points.width(), owner_.scale_)),
                std::max(1, scaled(points.height(), owner_.scale_))};
    }

    void create(QPoint at) {
        Display* display = owner_.display();
        const QSize size = pictureSize();
        argb_ = owner_.compositing() && owner_.argbVisual_;
        Visual* visual = argb_ ? static_cast<Visual*>(owner_.argbVisual_)
                               : DefaultVisual(display, DefaultScreen(display));
        depth_ = argb_ ? 32 : DefaultDepth(display, DefaultScreen(display));
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.border_pixel = 0;
        attributes.event_mask = ExposureMask | StructureNotifyMask;
        unsigned long mask = CWOverrideRedirect | CWBorderPixel | CWEventMask;
        if (argb_) {
            // Cleared to transparent when mapped, before the picture arrives.
            attributes.background_pixel = 0;
            attributes.colormap = owner_.argbColormap_;
            mask |= CWBackPixel | CWColormap;
        } else {
            // The screen below stays until the picture arrives.
            attributes.background_pixmap = None;
            mask |= CWBackPixmap;
        }
        moveSerial_ = NextRequest(display);
        window_ = XCreateWindow(display, DefaultRootWindow(display), at.x(), at.y(),
                                unsigned(size.width()), unsigned(size.height()), 0, depth_,
                                InputOutput, visual, mask, &attributes);

        XPixels::nameWindow(display, window_);
        XWMHints hints{};
        hints.flags = InputHint;
        hints.input = False;
        XSetWMHints(display, window_, &hints);
        // The types the toolkit gave these windows, which compositors' rules may name; a tooltip
        // or a notice would get their fades and shadows.
        const Atom types[2] = {XInternAtom(display, "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE", False),
                               XInternAtom(display, "_NET_WM_WINDOW_TYPE_NORMAL", False)};
        XChangeProperty(display, window_, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False),
                        XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(types),
                        2);
        gc_ = XCreateGC(display, window_, 0, nullptr);
        if (clickThrough_)
            XShapeCombineRectangles(display, window_, ShapeInput, 0, 0, nullptr, 0, ShapeSet,
                                    Unsorted);
        shape_.reset();
    }

    void destroy() {
        dropImage();
        if (gc_)
            XFreeGC(owner_.display(), gc_);
        gc_ = nullptr;
        if (window_)
            XDestroyWindow(owner_.display(), window_);
        window_ = 0;
        image_ = {};
    }

    void dropImage() {
        XPixels::destroyImage(ximage_, direct_);
        ximage_ = nullptr;
    }

    // The picture drawn at the screen's scale, and the shape that follows it without a
    // compositor.
    void draw() {
        const QSize size = pictureSize();
        if (size != image_.size()) {
            dropImage();
            image_ = PixelImage(size.width(), size.height());
        } else {
            image_.fill(QRect(QPoint(), size), 0);
        }
        picture_.draw(image_, owner_.scale_);
        if (argb_ && picture_.opacity() < 1.0)
            image_.fade(picture_.opacity());
        if (!argb_)
            reshape();
    }

    void reshape() {
        Display* display = owner_.display();
        std::vector<QRect> rectangles = opaqueRectangles(image_);
        if (shape_ == rectangles)
            return;
        std::vector<XRectangle> sent;
        sent.reserve(rectangles.size());
        for (const QRect& r : rectangles)
            sent.push_back({short(r.x()), short(r.y()), ushort(r.width()), ushort(r.height())});
        XShapeCombineRectangles(display, window_, ShapeBounding, 0, 0, sent.data(),
                                int(sent.size()), ShapeSet, YXBanded);
        shape_ = std::move(rectangles);
    }

    // The pixels to the window, in one request where the server takes them as they are.
    void put() {
        Display* display = owner_.display();
        // Made again where the picture's buffer moved (a picture that replaced the image).
        if (ximage_ && (ximage_->width != image_.width() || ximage_->height != image_.height() ||
                        (direct_ && ximage_->data != reinterpret_cast<const char*>(image_.bits()))))
            dropImage();
        if (!ximage_) {
            Visual* visual = argb_ ? static_cast<Visual*>(owner_.argbVisual_)
                                   : DefaultVisual(display, DefaultScreen(display));
            ximage_ = XPixels::createImage(display, visual, depth_, image_, &direct_);
            if (!ximage_)
                return;
        }
        if (!direct_)
            XPixels::write(image_, ximage_);
        putSerial_ = NextRequest(display);
        XPutImage(display, window_, gc_, ximage_, 0, 0, 0, 0, unsigned(image_.width()),
                  unsigned(image_.height()));
    }

    X11OverlayWindows& owner_;
    const OverlayPicture& picture_;
    const OverlayPlacement placement_;
    const bool clickThrough_;
    ::Window window_ = 0;
    GC gc_ = nullptr;
    bool argb_ = false;
    int depth_ = 0;
    bool visible_ = false;
    QPoint shownAt_;  // in points
    QPoint position_; // in pixels
    unsigned long moveSerial_ = 0;
    unsigned long putSerial_ = 0; // the latest put's request
    PixelImage image_;
    XImage* ximage_ = nullptr;
    bool direct_ = false;
    std::optional<std::vector<QRect>> shape_; // none: not set yet
    std::function<void(QPoint)> moved_;
};

X11OverlayWindows::X11OverlayWindows(const char* displayName) : connection_(displayName) {
    Display* display = connection_.display();
    if (!display)
        return;
    // The toolkit's switch for the screen's own scale; its factor applies all the same.
    const double dpi = qEnvironmentVariable("QT_ENABLE_HIGHDPI_SCALING") == QLatin1String("0")
                           ? 0
                           : resourceDpi(display);
    scale_ = dpi > 0 ? dpi / 96 : 1.0;
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (ok && factor > 0)
        scale_ *= factor;

    XVisualInfo wanted{};
    wanted.screen = DefaultScreen(display);
    wanted.depth = 32;
    wanted.c_class = TrueColor;
    int count = 0;
    XVisualInfo* found = XGetVisualInfo(
        display, VisualScreenMask | VisualDepthMask | VisualClassMask, &wanted, &count);
    for (int i = 0; i < count && !argbVisual_; ++i)
        if (found[i].red_mask == 0xFF0000 && found[i].green_mask == 0xFF00 &&
            found[i].blue_mask == 0xFF) {
            argbVisual_ = found[i].visual;
            argbColormap_ =
                XCreateColormap(display, DefaultRootWindow(display), found[i].visual, AllocNone);
        }
    if (found)
        XFree(found);
    if (!argbVisual_)
        qCWarning(programLog, "the X server has no 32-bit visual: indicators are cut to their "
                              "outline and shown solid even with a compositing manager");

    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XRRQueryExtension(display, &randrEventBase_, &errorBase) &&
        XRRQueryVersion(display, &major, &minor)) {
        randrMonitors_ = major > 1 || (major == 1 && minor >= 5);
        XRRSelectInput(display, DefaultRootWindow(display),
                       RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask |
                           RROutputChangeNotifyMask);
    } else {
        randrEventBase_ = -1;
        qCWarning(programLog, "the X server has no RandR: indicators take the whole root "
                              "window for the screen");
    }
    connection_.setEventHandler([this](XEvent& event) {
        compositor_.handleEvent(event);
        handleEvent(event);
    });
    compositor_.setChangedHandler([this] {
        for (Overlay* overlay : overlays_)
            overlay->remake();
        XFlush(connection_.display());
    });
    connection_.processPendingEvents();
}

X11OverlayWindows::~X11OverlayWindows() {
    if (argbColormap_)
        XFreeColormap(connection_.display(), argbColormap_);
}

std::unique_ptr<OverlayWindow> X11OverlayWindows::makeOverlay(const OverlayPicture& picture,
                                                              OverlayPlacement placement,
                                                              bool clickThrough) {
    return std::make_unique<Overlay>(*this, picture, placement, clickThrough);
}

void X11OverlayWindows::handleEvent(XEvent& event) {
    if (randrEventBase_ >= 0 && (event.type == randrEventBase_ + RRScreenChangeNotify ||
                                 event.type == randrEventBase_ + RRNotify)) {
        XRRUpdateConfiguration(&event);
        screens_.reset();
        return;
    }
    const ::Window window =
        event.type == ConfigureNotify ? event.xconfigure.window : event.xany.window;
    for (Overlay* overlay : overlays_)
        if (overlay->window() == window) {
            overlay->handleEvent(event);
            return;
        }
}

const std::vector<QRect>& X11OverlayWindows::screens() {
    if (screens_)
        return *screens_;
    Display* display = connection_.display();
    std::vector<QRect> found;
    if (!display) {
        screens_.emplace();
        return *screens_;
    }
    const ::Window root = DefaultRootWindow(display);
    const auto add = [&found](const QRect& screen, bool primary) {
        if (screen.isEmpty() || std::find(found.begin(), found.end(), screen) != found.end())
            return; // off, or a clone of one already there
        found.insert(primary ? found.begin() : found.end(), screen);
    };
    if (randrMonitors_) {
        int count = 0;
        if (XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count)) {
            for (int i = 0; i < count; ++i)
                add(QRect(monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height),
                    monitors[i].primary);
            XRRFreeMonitors(monitors);
        }
    } else if (randrEventBase_ >= 0) {
        if (XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root)) {
            const RROutput primary = XRRGetOutputPrimary(display, root);
            for (int i = 0; i < resources->ncrtc; ++i) {
                XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
                if (!crtc)
                    continue;
                if (crtc->mode != None)
                    add(QRect(crtc->x, crtc->y, int(crtc->width), int(crtc->height)),
                        std::find(crtc->outputs, crtc->outputs + crtc->noutput, primary) !=
                            crtc->outputs + crtc->noutput);
                XRRFreeCrtcInfo(crtc);
            }
            XRRFreeScreenResources(resources);
        }
    }
    if (found.empty())
        found.emplace_back(0, 0, DisplayWidth(display, DefaultScreen(display)),
                           DisplayHeight(display, DefaultScreen(display)));
    connection_.processPendingEvents();
    screens_ = std::move(found);
    return *screens_;
}

QRect X11OverlayWindows::workArea(const QRect& screen) {
    Display* display = connection_.display();
    if (!display)
        return screen;
    const ::Window root = DefaultRootWindow(display);
    const std::vector<long> desktop =
        cardinals(display, root, "_NET_CURRENT_DESKTOP", XA_CARDINAL, 1);
    const long index = desktop.empty() ? 0 : desktop.front();
    const std::vector<long> area =
        cardinals(display, root, "_NET_WORKAREA", XA_CARDINAL, 4 * (index + 1));
    connection_.processPendingEvents();
    if (area.size() < std::size_t(4 * (index + 1)))
        return screen;
    const long* at = area.data() + 4 * index;
    const QRect free = screen & QRect(int(at[0]), int(at[1]), int(at[2]), int(at[3]));
    return free.isEmpty() ? screen : free;
}

QRect X11OverlayWindows::toPoints(const QRect& pixels) const {
    return {pixels.topLeft(),
            QSize(scaled(pixels.width(), 1 / scale_), scaled(pixels.height(), 1 / scale_))};
}

QPoint X11OverlayWindows::toPoints(QPoint pixels) {
    if (scale_ == 1.0)
        return pixels;
    QPoint origin;
    for (const QRect& screen : screens())
        if (screen.contains(pixels)) {
            origin = screen.topLeft();
            break;
        }
    return origin + QPoint(scaled(pixels.x() - origin.x(), 1 / scale_),
                           scaled(pixels.y() - origin.y(), 1 / scale_));
}

QPoint X11OverlayWindows::toPixels(QPoint points) {
    if (scale_ == 1.0)
        return points;
    QPoint origin;
    for (const QRect& screen : screens())
        if (toPoints(screen).contains(points)) {
            origin = screen.topLeft();
            break;
        }
    return origin +
           QPoint(scaled(points.x() - origin.x(), scale_), scaled(points.y() - origin.y(), scale_));
}

QRect X11OverlayWindows::screenGeometry() {
    const std::vector<QRect>& all = screens();
    return all.empty() ? QRect() : toPoints(all.front());
}

QRect X11OverlayWindows::availableScreenGeometry() {
    const std::vector<QRect>& all = screens();
    return all.empty() ? QRect() : toPoints(workArea(all.front()));
}

QRect X11OverlayWindows::workingScreenGeometry() {
    Display* display = connection_.display();
    screens_.reset(); // asked at each showing: a screen may have come since
    const std::vector<QRect> all = screens();
    if (all.size() < 2 || !display)
        return {};
    const ::Window root = DefaultRootWindow(display);
    std::optional<QRect> active;
    const std::vector<long> window = cardinals(display, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, 1);
    if (!window.empty() && window.front() != None) {
        ::Window parent = None;
        ::Window child = None;
        int x = 0;
        int y = 0;
        unsigned width = 0;
        unsigned height = 0;
        unsigned border = 0;
        unsigned depth = 0;
        if (XGetGeometry(display, ::Window(window.front()), &parent, &x, &y, &width, &height,
                         &border, &depth) &&
            XTranslateCoordinates(display, ::Window(window.front()), root, 0, 0, &x, &y, &child))
            active = QRect(x, y, int(width), int(height));
    }
    std::optional<QPoint> pointer;
    ::Window pointerRoot = None;
    ::Window child = None;
    int x = 0;
    int y = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned buttons = 0;
    if (XQueryPointer(display, root, &pointerRoot, &child, &x, &y, &windowX, &windowY, &buttons))
        pointer = QPoint(x, y);
    connection_.processPendingEvents();
    const int chosen = workingScreen(all, active, pointer);
    return chosen < 0 ? QRect() : toPoints(workArea(all[std::size_t(chosen)]));
}

PixelImage X11OverlayWindows::grabTopEdge(int height) {
    Display* display = connection_.display();
    if (!display || height <= 0 || screens().empty())
        return {};
    const QRect screen = screens().front();
    const int rows = std::min(screen.height(), std::max(1, scaled(height, scale_)));
    XImage* shot = XGetImage(display, DefaultRootWindow(display), screen.x(), screen.y(),
                             unsigned(screen.width()), unsigned(rows), AllPlanes, ZPixmap);
    connection_.processPendingEvents();
    if (!shot)
        return {};
    PixelImage image = XPixels::read(shot);
    XDestroyImage(shot);
    return image;
}
