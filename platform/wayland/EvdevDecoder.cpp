#include "platform/wayland/EvdevDecoder.h"

#include <linux/input.h>

void EvdevDecoder::setLeds(const LockState& leds) {
    pendingLeds_ = leds;
    if (leds == leds_)
        return;
    leds_ = leds;
    if (handlers_.leds)
        handlers_.leds(leds_);
}

void EvdevDecoder::decode(const input_event* events, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const input_event& event = events[i];
        if (event.type == EV_SYN && event.code == SYN_DROPPED) {
            dropping_ = true;
            continue;
        }
        if (dropping_) {
            if (event.type == EV_SYN && event.code == SYN_REPORT) {
                dropping_ = false;
                if (handlers_.resync)
                    handlers_.resync();
            }
            continue;
        }
        switch (event.type) {
        case EV_KEY:
            // 2 is the kernel's own repeat; the display server's repeat is reproduced instead.
            if ((event.value == 0 || event.value == 1) && event.code < KEY_MAX && handlers_.key)
                handlers_.key(event.code + 8u, event.value == 1);
            break;
        case EV_LED:
            if (event.code == LED_CAPSL)
                pendingLeds_.capsLock = event.value != 0;
            else if (event.code == LED_NUML)
                pendingLeds_.numLock = event.value != 0;
            break;
        case EV_SYN:
            // The lights change as one, at the end of the report that carries them.
            if (event.code == SYN_REPORT && !(pendingLeds_ == leds_))
                setLeds(pendingLeds_);
            break;
        default:
            break;
        }
    }
}
