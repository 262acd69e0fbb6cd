#include "platform/x11/X11DisplayReconfiguration.h"

#include "platform/x11/X11Connection.h"
#include "shared/ProgramLog.h"

#include <QTimer>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <chrono>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr std::chrono::milliseconds kSettleTime{100};

struct CrtcConfiguration {
    RRMode mode = None;
    Rotation rotation = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
};

std::uint32_t changeFlags(const CrtcConfiguration& before, const CrtcConfiguration& after) {
    if (before.mode == None && after.mode == None)
        return 0;
    if (before.mode == None)
        return kCGDisplayAddFlag | kCGDisplaySetModeFlag;
    if (after.mode == None) // its mode set to none: what stood on it must move
        return kCGDisplayRemoveFlag | kCGDisplaySetModeFlag;
    std::uint32_t flags = 0;
    if (before.mode != after.mode || before.rotation != after.rotation ||
        before.width != after.width || before.height != after.height)
        flags |= kCGDisplaySetModeFlag;
    if (before.x != after.x || before.y != after.y)
        flags |= kCGDisplayMovedFlag;
    return flags;
}

} // namespace

struct X11DisplayReconfiguration::Private {
    explicit Private(const char* displayName);
    void readCurrentConfiguration();
    void crtcChanged(const XRRCrtcChangeNotifyEvent& event);
    void reportSettledChanges();

    X11Connection connection;
    int randrEventBase = -1;
    std::map<RRCrtc, CrtcConfiguration> crtcs;
    // Configurations from before the change now settling, for the CRTCs it touches.
    std::map<RRCrtc, CrtcConfiguration> settling;
    QTimer settleTimer;
    std::vector<Callback> callbacks;
};

X11DisplayReconfiguration::Private::Private(const char* displayName) : connection(displayName) {
    // A configuration tool switches a CRTC off and on again around a resize of the screen;
    // reporting once the changes have settled gives one report per display and change.
    settleTimer.setSingleShot(true);
    settleTimer.setInterval(kSettleTime);
    QObject::connect(&settleTimer, &QTimer::timeout, &settleTimer,
                     [this] { reportSettledChanges(); });
    if (!connection.isOpen())
        return;
    Display* display = connection.display();
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XRRQueryExtension(display, &randrEventBase, &errorBase) ||
        !XRRQueryVersion(display, &major, &minor) || major < 1 || (major == 1 && minor < 2)) {
        qCWarning(programLog, "the X server has no XRandR 1.2: the upper-left window is not "
                              "rebuilt when the screen size changes");
        randrEventBase = -1;
        return;
    }
    connection.setEventHandler([this](XEvent& event) {
        if (event.type != randrEventBase + RRNotify)
            return;
        const auto& notify = reinterpret_cast<const XRRNotifyEvent&>(event);
        if (notify.subtype == RRNotify_CrtcChange)
            crtcChanged(reinterpret_cast<const XRRCrtcChangeNotifyEvent&>(event));
    });
    XRRSelectInput(display, DefaultRootWindow(display), RRCrtcChangeNotifyMask);
    readCurrentConfiguration();
    connection.processPendingEvents();
}

void X11DisplayReconfiguration::Private::readCurrentConfiguration() {
    Display* display = connection.display();
    XRRScreenResources* resources =
        XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    if (!resources)
        return;
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (!info)
            continue;
        crtcs[resources->crtcs[i]] = {info->mode, info->rotation, info->x,
                                      info->y,    info->width,    info->height};
        XRRFreeCrtcInfo(info);
    }
    XRRFreeScreenResources(resources);
}

void X11DisplayReconfiguration::Private::crtcChanged(const XRRCrtcChangeNotifyEvent& event) {
    CrtcConfiguration& known = crtcs[event.crtc];
    settling.try_emplace(event.crtc, known);
    known = {event.mode, event.rotation, event.x, event.y, event.width, event.height};
    settleTimer.start();
}

void X11DisplayReconfiguration::Private::reportSettledChanges() {
    const auto settled = std::exchange(settling, {});
    // A callback may register another; call those that were there when the change came.
    const std::vector<Callback> current = callbacks;
    for (const auto& [crtc, before] : settled) {
        const std::uint32_t flags = changeFlags(before, crtcs[crtc]);
        if (flags == 0)
            continue;
        for (const Callback& callback : current)
            callback(std::uint32_t(crtc), flags);
    }
}

X11DisplayReconfiguration::X11DisplayReconfiguration(const char* displayName)
    : d(std::make_unique<Private>(displayName)) {}

X11DisplayReconfiguration::~X11DisplayReconfiguration() = default;

void X11DisplayReconfiguration::registerReconfigurationCallback(Callback callback) {
    d->callbacks.push_back(std::move(callback));
}
