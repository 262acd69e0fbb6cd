#pragma once

#include "platform/wayland/LockState.h"

#include <QStringList>
#include <QTimer>

// The keyboards' lock lights in /sys/class/leds, which anyone may read but nobody is told about
// when they change: read a few times a second. The last way to follow the locks on a compositor
// that offers no protocol for them, when the keyboards themselves cannot be read.
class KeyboardLeds {
public:
    static constexpr std::chrono::milliseconds kInterval{250};

    explicit KeyboardLeds(LockStateHandler handler,
                          const QString& folder = QStringLiteral("/sys/class/leds"));

    // Whether any keyboard has a Caps Lock or Num Lock light.
    bool hasLights() const { return !capsLights_.isEmpty() || !numLights_.isEmpty(); }
    void start();
    const LockState& state() const { return state_; }
    // Reads the lights now.
    void read();

private:
    void findLights();

    QString folder_;
    LockStateHandler handler_;
    QStringList capsLights_;
    QStringList numLights_;
    LockState state_;
    QTimer timer_;
    int reads_ = 0;
};
