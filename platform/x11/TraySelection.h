#pragma once

typedef struct _XDisplay Display;

// The window owning the screen's tray selection, with its structure watched so that its end is
// told; None without a tray. The selection is asked again once the owner is watched, so that an
// owner gone in between is not taken for a live tray.
unsigned long watchedTrayOwner(Display* display, unsigned long traySelection);
