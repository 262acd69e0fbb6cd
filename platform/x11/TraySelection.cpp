#include "platform/x11/TraySelection.h"

#include <X11/Xlib.h>

unsigned long watchedTrayOwner(Display* display, unsigned long traySelection) {
    Window owner = XGetSelectionOwner(display, traySelection);
    while (owner != None) {
        XSelectInput(display, owner, StructureNotifyMask);
        const Window again = XGetSelectionOwner(display, traySelection);
        if (again == owner)
            break;
        owner = again;
    }
    return owner;
}
