#include "platform/x11/XEmbedTrayIcon.h"

#include "platform/desktop/StatusPictures.h"
#include "platform/x11/TraySelection.h"
#include "shared/ProgramLog.h"

#include <QProcess>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

// Brings Xlib, whose macros (Bool, Status) the Qt headers must come before.
#include "platform/x11/XPixels.h"

#include <algorithm>

namespace {

constexpr long kRequestDock = 0;
constexpr long kXEmbedMapped = 1;
// Trays resize their icons at once; this is only where a window starts.
constexpr int kFirstSide = 22;

} // namespace

XEmbedTrayIcon::XEmbedTrayIcon(QString popupProgram, const char* displayName)
    : x11_(displayName), popupProgram_(std::move(popupProgram)) {
    rest_.setSingleShot(true);
    rest_.setInterval(tooltipDelay);
    QObject::connect(&rest_, &QTimer::timeout, [this] { openToolTip(); });
    if (x11_.isOpen())
        watchTray();
}

XEmbedTrayIcon::~XEmbedTrayIcon() {
    closePopup();
    undock();
}

void XEmbedTrayIcon::watchTray() {
    Display* display = x11_.display();
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display));
    traySelection_ = XInternAtom(display, selection.constData(), False);
    managerAtom_ = XInternAtom(display, "MANAGER", False);
    opcodeAtom_ = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    visualAtom_ = XInternAtom(display, "_NET_SYSTEM_TRAY_VISUAL", False);
    infoAtom_ = XInternAtom(display, "_XEMBED_INFO", False);
    x11_.setEventHandler([this](XEvent& event) { handleEvent(event); });
    // A tray that takes the selection tells every client so in a MANAGER message on the root.
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
}

void XEmbedTrayIcon::show(const QString& imagePath, const QString& toolTip) {
    toolTip_ = toolTip;
    if (imagePath != imagePath_) {
        imagePath_ = imagePath;
        draw();
    }
    if (!shown_ && x11_.isOpen()) {
        shown_ = true;
        trayChanged();
        // Its round trips may have queued events the socket no longer shows.
        x11_.processPendingEvents();
    }
}

void XEmbedTrayIcon::setMenu(std::vector<StatusMenuEntry> entries) {
    entries_ = std::move(entries);
}

// Docks in the tray that now owns the selection, if another than the one holding the icon.
void XEmbedTrayIcon::trayChanged() {
    Display* display = x11_.display();
    const Window owner = watchedTrayOwner(display, traySelection_);
    if (owner == trayOwner_ && window_ != 0)
        return;
    undock();
    trayOwner_ = owner;
    if (owner != None)
        dock();
}

void XEmbedTrayIcon::dock() {
    Display* display = x11_.display();
    const Window root = DefaultRootWindow(display);
    // The tray's visual, where it names one with an alpha channel.
    alphaVisual_ = false;
    visual_ = DefaultVisual(display, DefaultScreen(display));
    depth_ = DefaultDepth(display, DefaultScreen(display));
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, trayOwner_, visualAtom_, 0, 1, False, XA_VISUALID, &type,
                           &format, &count, &left, &data) == Success &&
        data && type == XA_VISUALID && format == 32 && count == 1) {
        XVisualInfo wanted{};
        wanted.visualid = VisualID(*reinterpret_cast<unsigned long*>(data));
        int found = 0;
        if (XVisualInfo* info = XGetVisualInfo(display, VisualIDMask, &wanted, &found)) {
            if (found > 0 && info->depth == 32 && info->c_class == TrueColor) {
                alphaVisual_ = true;
                visual_ = info->visual;
                depth_ = 32;
            }
            XFree(info);
        }
    }
    if (data)
        XFree(data);

    XSetWindowAttributes attributes{};
    unsigned long mask = CWEventMask;
    attributes.event_mask = ExposureMask | StructureNotifyMask | ButtonPressMask | EnterWindowMask |
                            LeaveWindowMask | PointerMotionMask;
    if (alphaVisual_) {
        colormap_ = XCreateColormap(display, root, static_cast<Visual*>(visual_), AllocNone);
        attributes.colormap = colormap_;
        attributes.background_pixel = 0;
        attributes.border_pixel = 0;
        mask |= CWColormap | CWBackPixel | CWBorderPixel;
    } else {
        attributes.background_pixmap = ParentRelative;
        mask |= CWBackPixmap;
    }
    size_ = QSize(kFirstSide, kFirstSide);
    window_ = XCreateWindow(display, root, 0, 0, kFirstSide, kFirstSide, 0, depth_, InputOutput,
                            static_cast<Visual*>(visual_), mask, &attributes);
    gc_ = XCreateGC(display, window_, 0, nullptr);
    XPixels::nameWindow(display, window_);
    const long info[2] = {0, kXEmbedMapped};
    XChangeProperty(display, window_, infoAtom_, infoAtom_, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(info), 2);

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = trayOwner_;
    request.xclient.message_type = opcodeAtom_;
    request.xclient.format = 32;
    request.xclient.data.l[0] = CurrentTime;
    request.xclient.data.l[1] = kRequestDock;
    request.xclient.data.l[2] = long(window_);
    XSendEvent(display, trayOwner_, False, NoEventMask, &request);
    XFlush(display);
}

void XEmbedTrayIcon::undock() {
    rest_.stop();
    if (window_ == 0)
        return;
    Display* display = x11_.display();
    XFreeGC(display, gc_);
    gc_ = nullptr;
    // A tray that ended hands its icons back to the root: destroyed, not left on the desktop.
    XDestroyWindow(display, window_);
    window_ = 0;
    background_ = {};
    if (colormap_)
        XFreeColormap(display, colormap_);
    colormap_ = 0;
    XFlush(display);
}

void XEmbedTrayIcon::handleEvent(XEvent& event) {
    switch (event.type) {
    case ClientMessage:
        if (event.xclient.message_type == managerAtom_ &&
            Atom(event.xclient.data.l[1]) == traySelection_ && shown_)
            trayChanged();
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == trayOwner_ && trayOwner_ != 0 && shown_) {
            closePopup();
            trayChanged();
        }
        break;
    case ConfigureNotify:
        if (event.xconfigure.window == window_ &&
            QSize(event.xconfigure.width, event.xconfigure.height) != size_) {
            size_ = QSize(event.xconfigure.width, event.xconfigure.height);
            background_ = {};
            draw();
        }
        break;
    case Expose:
        if (event.xexpose.window == window_ && event.xexpose.count == 0) {
            // The panel may have drawn a new background.
            background_ = {};
            draw();
        }
        break;
    case ButtonPress:
        if (event.xbutton.window == window_ &&
            (event.xbutton.button == Button1 || event.xbutton.button == Button3))
            openMenu({event.xbutton.x_root, event.xbutton.y_root});
        break;
    case EnterNotify:
    case MotionNotify:
        if (event.xany.window != window_)
            break;
        pointer_ = event.type == EnterNotify
                       ? QPoint(event.xcrossing.x_root, event.xcrossing.y_root)
                       : QPoint(event.xmotion.x_root, event.xmotion.y_root);
        if (!popup_)
            rest_.start();
        break;
    case LeaveNotify:
        // Any leave ends the tooltip, a grab's included; the menu's own grab leaves it open.
        if (event.xcrossing.window != window_)
            break;
        rest_.stop();
        if (popup_ && !popupIsMenu_)
            closePopup();
        break;
    default:
        break;
    }
}

const PixelImage& XEmbedTrayIcon::pictureAt(int side) {
    if (side != picturesSide_) {
        pictures_.clear();
        picturesSide_ = side;
    }
    auto picture = pictures_.find(imagePath_);
    if (picture == pictures_.end())
        picture = pictures_.insert(imagePath_, StatusPictures::atSize(imagePath_, side));
    return *picture;
}

void XEmbedTrayIcon::draw() {
    if (window_ == 0 || size_.isEmpty() || imagePath_.isEmpty())
        return;
    Display* display = x11_.display();
    PixelImage canvas(size_.width(), size_.height());
    if (!alphaVisual_) {
        // The panel's background shows through the window, and the picture goes over it. It is
        // read back once per exposure: a lock's change then costs no round trip to the server.
        if (background_.size() != size_) {
            XClearWindow(display, window_);
            XImage* below = XGetImage(display, window_, 0, 0, unsigned(size_.width()),
                                      unsigned(size_.height()), AllPlanes, ZPixmap);
            if (!below)
                return; // not on the screen yet: drawn at the next exposure
            background_ = XPixels::read(below);
            XDestroyImage(below);
        }
        canvas.copyFrom(background_);
    }
    const PixelImage& picture = pictureAt(std::min(size_.width(), size_.height()));
    canvas.drawOver(picture, QPoint((size_.width() - picture.width()) / 2,
                                    (size_.height() - picture.height()) / 2));
    bool over = false;
    XImage* image =
        XPixels::createImage(display, static_cast<Visual*>(visual_), depth_, canvas, &over);
    if (!image)
        return;
    if (!over)
        XPixels::write(canvas, image);
    XPutImage(display, window_, gc_, image, 0, 0, 0, 0, unsigned(size_.width()),
              unsigned(size_.height()));
    XPixels::destroyImage(image, over);
    XFlush(display);
}

void XEmbedTrayIcon::openMenu(QPoint at) {
    rest_.stop();
    if (popup_ && popupIsMenu_)
        return;
    closePopup();
    QStringList arguments{QStringLiteral("menu"), QString::number(at.x()), QString::number(at.y())};
    for (const StatusMenuEntry& entry : entries_)
        arguments << entry.text;
    popupIsMenu_ = true;
    startPopup(arguments, entries_);
}

void XEmbedTrayIcon::openToolTip() {
    if (popup_ || toolTip_.isEmpty() || window_ == 0)
        return;
    popupIsMenu_ = false;
    startPopup({QStringLiteral("tooltip"), QString::number(pointer_.x()),
                QString::number(pointer_.y()), toolTip_},
               {});
}

void XEmbedTrayIcon::startPopup(const QStringList& arguments,
                                std::vector<StatusMenuEntry> entries) {
    auto* popup = new QProcess;
    popup_ = popup;
    // On this display, whatever the session's own toolkit platform is.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"),
                       QString::fromLocal8Bit(DisplayString(x11_.display())));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    popup->setProcessEnvironment(environment);
    // Its complaints once each, however often it is started.
    errors_.restarted();
    QObject::connect(popup, &QProcess::readyReadStandardError, popup,
                     [this, popup] { errors_.forward(popup->readAllStandardError()); });
    QObject::connect(popup, &QProcess::errorOccurred, popup,
                     [this, popup](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         static bool said = false;
                         if (!said)
                             qCWarning(programLog).noquote()
                                 << "cannot start" << popupProgram_
                                 << "for the tray's menu and tooltip:" << popup->errorString();
                         said = true;
                         if (popup_ == popup)
                             popup_ = nullptr;
                         popup->deleteLater();
                     });
    QObject::connect(
        popup, &QProcess::finished, popup, [this, popup, entries = std::move(entries)] {
            if (popup_ == popup)
                popup_ = nullptr;
            popup->deleteLater();
            bool number = false;
            const int chosen =
                QString::fromLatin1(popup->readAllStandardOutput()).trimmed().toInt(&number);
            if (number && chosen >= 0 && std::size_t(chosen) < entries.size() &&
                entries[std::size_t(chosen)].triggered)
                entries[std::size_t(chosen)].triggered();
        });
    popup->start(popupProgram_, arguments);
}

void XEmbedTrayIcon::closePopup() {
    if (!popup_)
        return;
    QProcess* popup = popup_;
    popup_ = nullptr;
    // Ended without a choice: nothing runs.
    popup->disconnect();
    QObject::connect(popup, &QProcess::finished, popup, &QObject::deleteLater);
    popup->kill();
}
