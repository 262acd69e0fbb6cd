#pragma once

#include "platform/StatusIcons.h"

#include <QObject>
#include <QString>

#include <memory>

class X11Connection;
typedef union _XEvent XEvent;

// The XEmbed tray of X11 panels that host no status-notifier items: followed through the
// screen's tray selection, without the toolkit's tray code (which would settle on one way to
// reach a tray for good at the first question), and so through the owner's own notifications:
// nothing runs while the helper sits idle. Its icons are windows of their own that dock in that
// tray, and in the next one when it restarts.
class XEmbedTray final : public QObject, public StatusIconHost {
    Q_OBJECT
public:
    // The display $DISPLAY names. `popupProgram` shows the icons' menus and tooltips; empty: the
    // one installed beside this program.
    explicit XEmbedTray(QString popupProgram = {});
    ~XEmbedTray() override;

    bool available() const override { return trayOwner_ != 0; }
    void setAppearedHandler(std::function<void()> handler) override {
        appeared_ = std::move(handler);
    }
    std::unique_ptr<StatusIcon> makeIcon() override;

private:
    void watchTraySelection();
    void findTrayOwner();
    void trayEvent(const XEvent& event);

    std::unique_ptr<X11Connection> x11_;
    unsigned long traySelection_ = 0; // Atom
    unsigned long managerAtom_ = 0;   // Atom
    unsigned long trayOwner_ = 0;     // Window; 0 for none
    std::function<void()> appeared_;
    QString popupProgram_;
};
