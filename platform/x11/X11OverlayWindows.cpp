#include "platform/x11/X11OverlayWindows.h"

#include <QWidget>

void X11OverlayWindows::makeOverlay(QWidget& window, OverlayPlacement, bool clickThrough) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                            Qt::BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus;
    if (clickThrough)
        flags |= Qt::WindowTransparentForInput;
    window.setWindowFlags(flags);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setAttribute(Qt::WA_TransparentForMouseEvents, clickThrough);
}
