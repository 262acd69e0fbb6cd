#include "platform/x11/X11FrontProcess.h"

#include "platform/desktop/ProcessName.h"
#include "platform/x11/X11Connection.h"
#include "shared/ProgramLog.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include <unistd.h>

namespace {

// Reads one 32-bit item of a window property. The active-window hint can name a window that is
// already gone (at the helper's start it can be the settings window that started it, closed
// a moment before the window manager updates the hint), so the property is asked for through
// XCB, whose reply carries such an error as the answer: no protocol error is raised for what is
// an ordinary case here. `gone`, when given, says whether the window no longer exists.
std::optional<std::uint32_t> cardinalProperty(Display* display, Window window, Atom property,
                                              Atom type, bool* gone = nullptr) {
    xcb_connection_t* connection = XGetXCBConnection(display);
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, xcb_window_t(window), xcb_atom_t(property), xcb_atom_t(type), 0, 1);
    xcb_generic_error_t* error = nullptr;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, &error);
    if (gone)
        *gone = error && error->error_code == XCB_WINDOW;
    std::free(error);
    if (!reply)
        return std::nullopt;
    std::optional<std::uint32_t> value;
    if (reply->type == type && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        value = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return value;
}

// The process that created the window, asked of the server: this also covers clients that do
// not set their PID on the window.
std::optional<pid_t> clientPid(Display* display, Window window) {
    int event = 0;
    int error = 0;
    if (!XResQueryExtension(display, &event, &error))
        return std::nullopt;
    XResClientIdSpec spec{window, XRES_CLIENT_ID_PID_MASK};
    long count = 0;
    XResClientIdValue* values = nullptr;
    if (XResQueryClientIds(display, 1, &spec, &count, &values) != Success)
        return std::nullopt;
    std::optional<pid_t> pid;
    for (long i = 0; i < count && !pid; ++i) {
        const pid_t found = XResGetClientPid(&values[i]);
        if (found > 0)
            pid = found;
    }
    XResClientIdsDestroy(count, values);
    return pid;
}

// Whether the root window's list of supported hints names the active-window property.
bool windowManagerReportsActiveWindow(Display* display, Atom activeWindow) {
    const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM,
                           &type, &format, &count, &remaining, &data) != Success)
        return false;
    bool found = false;
    if (data && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const unsigned long*>(data);
        found = std::find(atoms, atoms + count, activeWindow) != atoms + count;
    }
    if (data)
        XFree(data);
    return found;
}

} // namespace

struct X11FrontProcess::Private {
    explicit Private(const char* displayName);
    void update();

    X11Connection connection;
    Atom activeWindowAtom = None;
    Atom pidAtom = None;
    std::optional<QString> name;
};

X11FrontProcess::Private::Private(const char* displayName) : connection(displayName) {
    if (!connection.isOpen())
        return;
    Display* display = connection.display();
    activeWindowAtom = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    connection.setEventHandler([this](XEvent& event) {
        if (event.type == PropertyNotify && event.xproperty.atom == activeWindowAtom)
            update();
    });
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
    if (!windowManagerReportsActiveWindow(display, activeWindowAtom))
        qCWarning(programLog, "the window manager does not report the active window: excluded "
                              "applications are not recognised until one that does runs");
    update();
    connection.processPendingEvents();
}

void X11FrontProcess::Private::update() {
    Display* display = connection.display();
    name.reset();
    const auto window =
        cardinalProperty(display, DefaultRootWindow(display), activeWindowAtom, XA_WINDOW);
    if (!window || *window == None)
        return;
    std::optional<pid_t> pid;
    bool gone = false;
    if (const auto wmPid = cardinalProperty(display, *window, pidAtom, XA_CARDINAL, &gone))
        pid = pid_t(*wmPid);
    // A window that is gone has no owner to ask about: its identifier's client may already be
    // another program, this one included.
    if (gone)
        return;
    if (!pid || *pid <= 0)
        pid = clientPid(display, *window);
    if (!pid)
        return;
    QString found = executableNameOfProcess(*pid);
    if (!found.isEmpty())
        name = std::move(found);
}

X11FrontProcess::X11FrontProcess(const char* displayName)
    : d(std::make_unique<Private>(displayName)) {}

X11FrontProcess::~X11FrontProcess() = default;

const QString* X11FrontProcess::frontProcessName() const {
    return d->name ? &*d->name : nullptr;
}
