#pragma once

#include "platform/OverlayWindows.h"

// Indicator windows the window manager never sees: override-redirect, so that it neither
// decorates, moves, stacks below others nor focuses them, kept above with the stay-on-top hint.
class X11OverlayWindows final : public OverlayWindows {
public:
    void makeOverlay(QWidget& window, OverlayPlacement placement, bool clickThrough) override;
};
