#pragma once

#include "platform/TrayWatcher.h"

#include <QDBusConnection>
#include <QObject>

#include <memory>

class X11Connection;
typedef union _XEvent XEvent;

// The two ways a tray icon reaches a panel, followed without the toolkit's tray code (which would
// settle on one way for good at the first question): a status-notifier host registered with the
// watcher on the session bus, and an XEmbed tray owning the screen's tray selection. Both are
// followed through their own notifications, so nothing runs while the helper sits idle.
//
// The toolkit takes the bus way only when the watcher says a host is registered, and else falls
// back to XEmbed for good; a watcher with no host yet is therefore no tray.
class SystemTrayWatcher final : public QObject, public TrayWatcher {
    Q_OBJECT
public:
    // The process's session bus, which may be none, and the display $DISPLAY names.
    SystemTrayWatcher();
    ~SystemTrayWatcher() override;

    bool available() const override { return hostRegistered_ || trayOwner_ != 0; }
    void setAppearedHandler(std::function<void()> handler) override {
        appeared_ = std::move(handler);
    }

private slots:
    void hostRegistered();

private:
    void watchBus();
    void askWhetherHostRegistered(bool waitForReply);
    void watchTraySelection();
    void findTrayOwner();
    void trayEvent(const XEvent& event);
    void announceIfAppeared(bool wasAvailable);

    QDBusConnection bus_;
    bool hostRegistered_ = false;
    std::unique_ptr<X11Connection> x11_;
    unsigned long traySelection_ = 0; // Atom
    unsigned long managerAtom_ = 0;   // Atom
    unsigned long trayOwner_ = 0;     // Window; 0 for none
    std::function<void()> appeared_;
};
