#include "platform/x11/XEmbedTray.h"

#include "platform/x11/TraySelection.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/XEmbedTrayIcon.h"

#include <QCoreApplication>

#include <X11/Xlib.h>

XEmbedTray::XEmbedTray(QString popupProgram) : popupProgram_(std::move(popupProgram)) {
    if (popupProgram_.isEmpty())
        popupProgram_ =
            QCoreApplication::applicationDirPath() + QStringLiteral("/keyvigil-tray-popup");
    watchTraySelection();
}

XEmbedTray::~XEmbedTray() = default;

std::unique_ptr<StatusIcon> XEmbedTray::makeIcon() {
    if (!available())
        return nullptr;
    return std::make_unique<XEmbedTrayIcon>(popupProgram_);
}

void XEmbedTray::watchTraySelection() {
    x11_ = std::make_unique<X11Connection>();
    if (!x11_->isOpen())
        return;
    Display* display = x11_->display();
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(display));
    traySelection_ = XInternAtom(display, selection.constData(), False);
    managerAtom_ = XInternAtom(display, "MANAGER", False);
    x11_->setEventHandler([this](XEvent& event) { trayEvent(event); });
    // A tray that takes the selection tells every client so in a MANAGER message on the root.
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
    findTrayOwner();
    x11_->processPendingEvents();
}

void XEmbedTray::findTrayOwner() {
    // A tray ends with its owner window.
    trayOwner_ = watchedTrayOwner(x11_->display(), traySelection_);
}

void XEmbedTray::trayEvent(const XEvent& event) {
    const bool wasAvailable = available();
    if (event.type == ClientMessage && event.xclient.message_type == managerAtom_ &&
        Atom(event.xclient.data.l[1]) == traySelection_)
        findTrayOwner();
    else if (event.type == DestroyNotify && trayOwner_ != 0 &&
             event.xdestroywindow.window == trayOwner_)
        findTrayOwner();
    else
        return;
    if (!wasAvailable && available() && appeared_)
        appeared_();
}
