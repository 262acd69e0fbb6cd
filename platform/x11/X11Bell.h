#pragma once

#include "platform/AlertSound.h"

typedef struct _XDisplay Display;

// The server's bell, which follows the user's bell settings (volume, a visual bell).
class X11Bell final : public AlertSound {
public:
    // display: a connection to share, which must outlive this; when null, the default display is
    // opened at the first beep and closed with this object.
    explicit X11Bell(Display* display = nullptr);
    ~X11Bell() override;
    X11Bell(const X11Bell&) = delete;
    X11Bell& operator=(const X11Bell&) = delete;

    void beep() override;

private:
    Display* display_;
    bool ownsDisplay_ = false;
    bool displayTried_ = false;
};
