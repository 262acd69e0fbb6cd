#include "platform/x11/X11KeyRepeater.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <algorithm>

void X11KeyRepeater::loadControls(Display* display) {
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return;
    if (XkbGetControls(display, XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask,
                       keyboard) == Success &&
        keyboard->ctrls) {
        const XkbControlsRec& controls = *keyboard->ctrls;
        enabled_ = (controls.enabled_ctrls & XkbRepeatKeysMask) != 0;
        delay_ = std::chrono::milliseconds(controls.repeat_delay);
        interval_ = std::chrono::milliseconds(std::max<int>(1, controls.repeat_interval));
        std::copy(std::begin(controls.per_key_repeat), std::end(controls.per_key_repeat),
                  perKeyRepeat_.begin());
    }
    XkbFreeKeyboard(keyboard, 0, True);
    if (!enabled_)
        keyReleased(repeatKey_);
}

bool X11KeyRepeater::repeats(unsigned keycode) const {
    return enabled_ && keycode < 256 && (perKeyRepeat_[keycode / 8] & (1u << (keycode % 8)));
}

void X11KeyRepeater::keyPressed(unsigned keycode, Clock::time_point now) {
    if (!repeats(keycode))
        return;
    repeatKey_ = keycode;
    due_ = now + delay_;
}

void X11KeyRepeater::keyReleased(unsigned keycode) {
    if (keycode != 0 && keycode == repeatKey_)
        repeatKey_ = 0;
}

std::optional<X11KeyRepeater::Clock::time_point> X11KeyRepeater::nextRepeat() const {
    return repeatKey_ != 0 ? std::optional(due_) : std::nullopt;
}

unsigned X11KeyRepeater::takeDueRepeat(Clock::time_point now) {
    if (repeatKey_ == 0 || now < due_)
        return 0;
    due_ = now + interval_;
    return repeatKey_;
}
