#include "platform/wayland/WaylandConnection.h"

#include "shared/ProgramLog.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

WaylandConnection::WaylandConnection() : display_(wl_display_connect(nullptr)) {
    if (!display_)
        return;
    static const wl_registry_listener listener = {&WaylandConnection::globalAdded,
                                                  &WaylandConnection::globalRemoved};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
    roundtrip();

    notifier_ =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readEvents(); });
    // Requests made while handling other events go out before the loop sleeps, all at once.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, notifier_.get(),
                         [this] { flush(); });
}

WaylandConnection::~WaylandConnection() {
    notifier_.reset();
    if (registry_)
        wl_registry_destroy(registry_);
    if (display_)
        wl_display_disconnect(display_);
}

QString WaylandConnection::displayProblem() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return QStringLiteral("WAYLAND_DISPLAY is not set");
    // Looked at first: the library would print its own complaint on stderr.
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!name.isEmpty() && !name.startsWith(u'/')) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return QStringLiteral("XDG_RUNTIME_DIR is not set");
        if (!QFileInfo::exists(runtime + u'/' + name))
            return QStringLiteral("no compositor at \"%1\"").arg(name);
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return QStringLiteral("cannot connect to the compositor at \"%1\" (%2)")
            .arg(name, QString::fromLocal8Bit(strerror(errno)));
    wl_display_disconnect(display);
    return {};
}

std::vector<QByteArray> WaylandConnection::offeredInterfaces() {
    std::vector<QByteArray> interfaces;
    if (!displayProblem().isEmpty())
        return interfaces;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return interfaces;
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
            static_cast<std::vector<QByteArray>*>(data)->emplace_back(interface);
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &interfaces);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return interfaces;
}

const WaylandConnection::Global* WaylandConnection::find(const char* interface) const {
    const auto found = std::find_if(globals_.begin(), globals_.end(), [interface](const Global& g) {
        return g.interface == interface;
    });
    return found == globals_.end() ? nullptr : &*found;
}

bool WaylandConnection::roundtrip() {
    if (!display_ || wl_display_roundtrip(display_) < 0) {
        fail();
        return false;
    }
    return true;
}

void WaylandConnection::globalAdded(void* data, wl_registry*, std::uint32_t name,
                                    const char* interface, std::uint32_t version) {
    auto* connection = static_cast<WaylandConnection*>(data);
    connection->globals_.push_back({name, interface, version});
    if (connection->globalsChanged_)
        connection->globalsChanged_(connection->globals_.back(), true);
}

void WaylandConnection::globalRemoved(void* data, wl_registry*, std::uint32_t name) {
    auto* connection = static_cast<WaylandConnection*>(data);
    auto& globals = connection->globals_;
    const auto found = std::find_if(globals.begin(), globals.end(),
                                    [name](const Global& g) { return g.name == name; });
    if (found == globals.end())
        return;
    if (connection->globalsChanged_)
        connection->globalsChanged_(*found, false);
    globals.erase(found);
}

void WaylandConnection::readEvents() {
    // Events another reader queued are handled first; then the socket, which is readable.
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0)
            return fail();
    }
    if (wl_display_read_events(display_) < 0 || wl_display_dispatch_pending(display_) < 0)
        return fail();
    flush();
}

void WaylandConnection::flush() {
    if (display_ && notifier_ && notifier_->isEnabled())
        wl_display_flush(display_);
}

QString WaylandConnection::lostReason() const {
    if (!display_)
        return QStringLiteral("no connection");
    const int error = wl_display_get_error(display_);
    if (error != EPROTO)
        return QString::fromLocal8Bit(strerror(error));
    const wl_interface* interface = nullptr;
    std::uint32_t id = 0;
    const std::uint32_t code = wl_display_get_protocol_error(display_, &interface, &id);
    return QStringLiteral("protocol error %1 on %2 %3")
        .arg(code)
        .arg(QLatin1String(interface ? interface->name : "?"))
        .arg(id);
}

void WaylandConnection::fail() {
    if (notifier_)
        notifier_->setEnabled(false);
    if (lost_)
        lost_();
}
