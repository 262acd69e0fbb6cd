#include "platform/linux/X11KeyRepeater.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <algorithm>

X11KeyRepeater::X11KeyRepeater(RepeatHandler handler) : handler_(std::move(handler)) {
    perKeyRepeat_.fill(0xFF);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { onTimeout(); });
}

void X11KeyRepeater::loadControls(Display* display) {
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return;
    if (XkbGetControls(display, XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask,
                       keyboard) == Success &&
        keyboard->ctrls) {
        const XkbControlsRec& controls = *keyboard->ctrls;
        enabled_ = (controls.enabled_ctrls & XkbRepeatKeysMask) != 0;
        delayMs_ = controls.repeat_delay;
        intervalMs_ = std::max<int>(1, controls.repeat_interval);
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

void X11KeyRepeater::keyPressed(unsigned keycode) {
    if (!repeats(keycode))
        return;
    repeatKey_ = keycode;
    timer_.start(delayMs_);
}

void X11KeyRepeater::keyReleased(unsigned keycode) {
    if (keycode == 0 || keycode != repeatKey_)
        return;
    repeatKey_ = 0;
    timer_.stop();
}

void X11KeyRepeater::onTimeout() {
    if (repeatKey_ == 0)
        return;
    const unsigned key = repeatKey_;
    if (!handler_(key)) {
        keyReleased(key);
        return;
    }
    if (repeatKey_ == key)
        timer_.start(intervalMs_);
}
