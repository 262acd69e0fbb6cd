#pragma once

#include "platform/DisplayReconfiguration.h"

#include <memory>

// Display changes from XRandR: one call per CRTC whose configuration changed, with the CRTC as
// the display identifier, once the change has settled (a tenth of a second without further
// changes). A new mode, size or rotation is a mode set; a CRTC lit up is added with its mode
// set; one switched off is removed, its mode set to none; a new position alone is a move. So
// every screen that comes, goes or changes size is a mode set, after which the indicators are
// placed anew.
class X11DisplayReconfiguration final : public DisplayReconfiguration {
public:
    // displayName null: $DISPLAY.
    explicit X11DisplayReconfiguration(const char* displayName = nullptr);
    ~X11DisplayReconfiguration() override;

    void registerReconfigurationCallback(Callback callback) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
