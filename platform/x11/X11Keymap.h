#pragma once

#include "platform/xkb/XkbKeyboard.h"

#include <cstdint>

typedef struct _XDisplay Display;

// The X server's core keyboard mirrored in libxkbcommon. The owner feeds it the server's state
// changes and asks for a reload when the server says the keymap changed.
class X11Keymap final : public XkbKeyboard {
public:
    explicit X11Keymap(Display* display);

    // Fetches the core keyboard's keymap and state afresh; keeps the old ones on failure.
    bool reload();

private:
    Display* display_;
    std::int32_t deviceId_ = -1;
};
