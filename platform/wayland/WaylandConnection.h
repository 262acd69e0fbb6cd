#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;
struct wl_display;
struct wl_registry;

// A connection of our own to the Wayland compositor ($WAYLAND_DISPLAY), read from Qt's event
// loop on the main thread and flushed before the loop sleeps. It lists the globals the
// compositor offers; their owners bind what they need.
class WaylandConnection {
public:
    struct Global {
        std::uint32_t name;
        QByteArray interface;
        std::uint32_t version;
    };

    WaylandConnection();
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    // Why no connection to the compositor can be made, in a few words; empty when one can.
    static QString displayProblem();

    // The interfaces the compositor offers, asked over a connection of a moment (no event loop
    // needed); empty when it cannot be reached.
    static std::vector<QByteArray> offeredInterfaces();

    bool isOpen() const { return display_ != nullptr; }
    wl_display* display() const { return display_; }
    wl_registry* registry() const { return registry_; }
    const std::vector<Global>& globals() const { return globals_; }
    const Global* find(const char* interface) const;
    // Runs for each global the compositor adds or removes once the connection is made (outputs
    // come and go); a removed global is handed in before it leaves globals().
    void setGlobalsHandler(std::function<void(const Global& global, bool added)> handler) {
        globalsChanged_ = std::move(handler);
    }
    // Runs when the compositor ends the connection; the owner decides what follows.
    void setLostHandler(std::function<void()> handler) { lost_ = std::move(handler); }

    // Why the connection ended, in a few words: the protocol error the compositor named, or the
    // system's error.
    QString lostReason() const;
    // Sends what is queued and waits until the compositor has answered all of it.
    bool roundtrip();

private:
    static void globalAdded(void* data, wl_registry* registry, std::uint32_t name,
                            const char* interface, std::uint32_t version);
    static void globalRemoved(void* data, wl_registry* registry, std::uint32_t name);
    void readEvents();
    void flush();
    void fail();

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    std::vector<Global> globals_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> lost_;
    std::function<void(const Global&, bool)> globalsChanged_;
};
