#pragma once

#include "platform/wayland/LockState.h"

#include <cstddef>
#include <functional>

struct input_event;

// Turns a keyboard device's event records into key presses and releases and its lock lights.
// When the kernel says it dropped records (its buffer overflowed), everything up to the next
// report is thrown away and the owner is asked to read the device's state afresh.
class EvdevDecoder {
public:
    struct Handlers {
        // keycode as the keymap numbers it (the device's code + 8)
        std::function<void(unsigned keycode, bool down)> key;
        std::function<void(const LockState&)> leds;
        std::function<void()> resync;
    };

    explicit EvdevDecoder(Handlers handlers) : handlers_(std::move(handlers)) {}

    void decode(const input_event* events, std::size_t count);
    // The lights as last reported or read.
    const LockState& leds() const { return leds_; }
    void setLeds(const LockState& leds);

private:
    Handlers handlers_;
    LockState leds_;
    LockState pendingLeds_;
    bool dropping_ = false;
};
