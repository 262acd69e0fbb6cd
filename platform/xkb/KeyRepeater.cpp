#include "platform/xkb/KeyRepeater.h"

#include <algorithm>

void KeyRepeater::setControls(bool enabled, std::chrono::milliseconds delay,
                              std::chrono::milliseconds interval,
                              const std::array<std::uint8_t, 32>& perKeyRepeat) {
    enabled_ = enabled;
    delay_ = delay;
    interval_ = std::max(interval, std::chrono::milliseconds(1));
    perKeyRepeat_ = perKeyRepeat;
    if (!enabled_)
        keyReleased(repeatKey_);
}

bool KeyRepeater::repeats(unsigned keycode) const {
    return enabled_ && keycode < 256 && (perKeyRepeat_[keycode / 8] & (1u << (keycode % 8)));
}

void KeyRepeater::keyPressed(unsigned keycode, Clock::time_point now) {
    if (!repeats(keycode))
        return;
    repeatKey_ = keycode;
    due_ = now + delay_;
}

void KeyRepeater::keyReleased(unsigned keycode) {
    if (keycode != 0 && keycode == repeatKey_)
        repeatKey_ = 0;
}

std::optional<KeyRepeater::Clock::time_point> KeyRepeater::nextRepeat() const {
    return repeatKey_ != 0 ? std::optional(due_) : std::nullopt;
}

unsigned KeyRepeater::takeDueRepeat(Clock::time_point now) {
    if (repeatKey_ == 0 || now < due_)
        return 0;
    due_ = now + interval_;
    return repeatKey_;
}
