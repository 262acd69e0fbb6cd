#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

// Reproduces the display server's keyboard auto-repeat, since the key events the monitors read
// carry none of its repeats: the server's repeat controls (on or off, delay, interval, the keys
// that repeat) say exactly when it repeats. As display servers do, only the key pressed last
// repeats, and its release ends the repeat.
//
// It only keeps the schedule: its owner asks when the next repeat is due, wakes up then, and
// takes the repeat between events, so nothing here runs from a timer or calls back.
class KeyRepeater {
public:
    using Clock = std::chrono::steady_clock;

    // The server's repeat controls; call again when they change. perKeyRepeat: a bit per
    // keycode, set for the keys that repeat.
    void setControls(bool enabled, std::chrono::milliseconds delay,
                     std::chrono::milliseconds interval,
                     const std::array<std::uint8_t, 32>& perKeyRepeat);

    void keyPressed(unsigned keycode, Clock::time_point now);
    void keyReleased(unsigned keycode);
    // The key that repeats while held, 0 when none.
    unsigned repeatingKey() const { return repeatKey_; }
    // When the held key repeats next; nullopt while no key repeats.
    std::optional<Clock::time_point> nextRepeat() const;
    // The key whose repeat is due by `now`, 0 when none. Its next one is due an interval after
    // `now`, so a late wake-up never brings a burst of repeats.
    unsigned takeDueRepeat(Clock::time_point now);

private:
    bool repeats(unsigned keycode) const;

    unsigned repeatKey_ = 0;
    Clock::time_point due_;
    bool enabled_ = true;
    std::chrono::milliseconds delay_{660};
    std::chrono::milliseconds interval_{40};
    // Every key repeats until the controls are read.
    std::array<std::uint8_t, 32> perKeyRepeat_ = [] {
        std::array<std::uint8_t, 32> all{};
        all.fill(0xFF);
        return all;
    }();
};
